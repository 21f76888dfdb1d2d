// The mail sessions built as a module of their own: the program loads it on the first check that
// asks a server, so that a start does not wait for the network and TLS libraries to load.
#include "mail/sessoes/sessoes_rede.h"

// EntradaModuloEmail.
extern "C" __attribute__((visibility("default"))) quelza::SessoesEmail* telvanor_email_cria() {
    return new quelza::SessoesRede;
}
