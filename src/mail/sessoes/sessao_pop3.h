// One account's POP3 dialogue over a real socket, plain or TLS from the first byte, with the reply
// wait that keeps the window serving its events.
#pragma once

#include "mail/sessoes_email.h"

#include <string>

namespace quelza {

// As SessoesEmail::VerificaPop3; a stop during a wait throws VerificacaoInterrompida.
std::string VerificaContaPOP3(const std::string& servidor, const std::string& usuario,
                              const std::string& senha, AmbienteSessao& ambiente);

} // namespace quelza
