// One account's POP3 dialogue over a real socket, plain or TLS from the first byte, with the reply
// wait that keeps the window serving its events.
#pragma once

#include <string>

namespace quelza {

// Talks to the account in ServidorPop3, UsuárioPop3 and SenhaPop3: writes the mail label at each
// step, adds the mailbox's count to TotalDeMensagens and shows the indicator's picture. Returns the
// account's own outcome as its tooltip line shows it. The socket is closed on every way out.
std::string VerificaContaPOP3();

} // namespace quelza
