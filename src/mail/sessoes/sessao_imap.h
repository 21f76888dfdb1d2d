// One account's IMAP dialogue over a real socket: plain with the upgrade to TLS the server offers,
// or TLS from the first byte, with the reply wait that keeps the window serving its events.
#pragma once

#include "mail/servidor_pop3.h"
#include "mail/sessoes_email.h"

#include <string>

namespace quelza {

// As SessoesEmail::VerificaImap; a stop during a wait throws VerificacaoInterrompida.
std::string VerificaContaIMAP(const EnderecoPop3& endereco, const std::string& usuario,
                              const std::string& senha, AmbienteSessao& ambiente);

} // namespace quelza
