// One account's IMAP dialogue over a real socket: plain with the upgrade to TLS the server offers,
// or TLS from the first byte, with the reply wait that keeps the window serving its events.
#pragma once

#include "mail/servidor_pop3.h"

#include <string>

namespace quelza {

// Talks to the account at `endereco`: writes the mail label at each step, adds the unseen messages
// of its INBOX to TotalDeMensagens and shows the indicator's picture. Returns the account's own
// outcome as its tooltip line shows it. The socket is closed on every way out.
std::string VerificaContaIMAP(const EnderecoPop3& endereco, const std::string& usuario,
                              const std::string& senha);

} // namespace quelza
