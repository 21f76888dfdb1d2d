#include "mail/sessoes/autoridades_tls.h"

#include <QDir>
#include <QSslConfiguration>

namespace quelza {
namespace {

QList<QSslCertificate> DaPasta(const QString& pasta) {
    QList<QSslCertificate> certificados;
    for (const QFileInfo& arquivo : QDir(pasta).entryInfoList(QDir::Files | QDir::Readable))
        certificados += QSslCertificate::fromPath(arquivo.filePath(), QSsl::Pem);
    return certificados;
}

} // namespace

std::optional<QList<QSslCertificate>> AutoridadesDoAmbiente() {
    const QString arquivo = qEnvironmentVariable("SSL_CERT_FILE");
    const QString pastas = qEnvironmentVariable("SSL_CERT_DIR");
    if (arquivo.isEmpty() && pastas.isEmpty())
        return std::nullopt;

    // Reading the system store costs tens of milliseconds: once per value of the two variables.
    struct Lidas {
        QString arquivo, pastas;
        QList<QSslCertificate> autoridades;
    };
    static std::optional<Lidas> lidas;
    if (lidas && lidas->arquivo == arquivo && lidas->pastas == pastas)
        return lidas->autoridades;

    QList<QSslCertificate> autoridades;
    if (!arquivo.isEmpty())
        autoridades += QSslCertificate::fromPath(arquivo, QSsl::Pem);
    for (const QString& pasta : pastas.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        autoridades += DaPasta(pasta);
    if (arquivo.isEmpty() || pastas.isEmpty())
        autoridades += QSslConfiguration::systemCaCertificates();
    lidas = Lidas{arquivo, pastas, autoridades};
    return autoridades;
}

void ConfiaNasAutoridades(QSslSocket& socket) {
    if (auto autoridades = AutoridadesDoAmbiente()) {
        QSslConfiguration configuracao = socket.sslConfiguration();
        configuracao.setCaCertificates(*autoridades);
        socket.setSslConfiguration(configuracao);
    }
}

} // namespace quelza
