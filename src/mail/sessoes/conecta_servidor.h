// Opening an account's connection: plain, or TLS from the first byte with the peer checked against
// the trusted authorities and the host name. The same for every mail protocol.
#pragma once

#include "mail/servidor_pop3.h"

#include <QSslSocket>

namespace quelza {

// Starts the connection to `endereco`; the socket reports its outcome as it goes.
void ConectaServidor(QSslSocket& sck, const EnderecoPop3& endereco);

} // namespace quelza
