// The certificate authorities a TLS mail server is checked against: the system's, unless
// SSL_CERT_FILE or SSL_CERT_DIR name others, as OpenSSL reads them (a colon-separated list of
// folders; the system's own place stands for the one of the two that is not set).
#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslSocket>

#include <optional>

namespace quelza {

// Nothing when neither variable is set: the TLS library's own system store then applies.
std::optional<QList<QSslCertificate>> AutoridadesDoAmbiente();

// Makes the socket check its peer against those authorities, when the variables name them.
void ConfiaNasAutoridades(QSslSocket& socket);

} // namespace quelza
