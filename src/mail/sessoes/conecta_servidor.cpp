#include "mail/sessoes/conecta_servidor.h"

#include "mail/sessoes/autoridades_tls.h"

namespace quelza {

void ConectaServidor(QSslSocket& sck, const EnderecoPop3& endereco) {
    const QString host = QString::fromStdString(endereco.Host);
    if (!endereco.Tls) {
        sck.connectToHost(host, endereco.Porta);
        return;
    }
    ConfiaNasAutoridades(sck);
    // The peer's certificate must chain to a trusted authority and name this host.
    sck.connectToHostEncrypted(host, endereco.Porta);
}

} // namespace quelza
