#include "platform/arquivos/limite_tamanho.h"

#include <csignal>

namespace plataforma {

void IgnoraLimiteDeTamanho() {
    struct sigaction acao = {};
    acao.sa_handler = SIG_IGN;
    sigemptyset(&acao.sa_mask);
    sigaction(SIGXFSZ, &acao, nullptr);
}

} // namespace plataforma
