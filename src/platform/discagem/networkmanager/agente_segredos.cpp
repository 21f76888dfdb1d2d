#include "platform/discagem/networkmanager/agente_segredos.h"

#include "platform/texto/cp1252.h"

#include <QDBusMessage>

#include <algorithm>

namespace plataforma::nm {
namespace {

// NetworkManager's flag saying the secrets it had were wrong.
constexpr uint PedeNovos = 0x2;

const QString SemSegredos = QStringLiteral("org.freedesktop.NetworkManager.SecretAgent.NoSecrets");
const QString Cancelado = QStringLiteral("org.freedesktop.NetworkManager.SecretAgent.UserCanceled");

void Apaga(std::string& texto) {
    std::fill(texto.begin(), texto.end(), '\0');
    texto.clear();
}

} // namespace

AgenteSegredos::AgenteSegredos(std::function<void()> recusada, QObject* pai)
    : QObject(pai), recusada_(std::move(recusada)) {}

AgenteSegredos::~AgenteSegredos() { Apaga(senha_); }

void AgenteSegredos::Responde(const QString& uuid, std::string senha) {
    Apaga(senha_);
    uuid_ = uuid;
    senha_ = std::move(senha);
}

void AgenteSegredos::Cala() {
    uuid_.clear();
    Apaga(senha_);
}

Configuracao AgenteSegredos::GetSecrets(const Configuracao& connection, const QDBusObjectPath&,
                                        const QString& setting_name, const QStringList& hints, uint flags) {
    const QString uuid =
        connection.value(QStringLiteral("connection")).value(QStringLiteral("uuid")).toString();
    const bool nosso = !uuid_.isEmpty() && uuid == uuid_ && !senha_.empty() && message().service() == dono_;
    if (!nosso) {
        sendErrorReply(SemSegredos, QStringLiteral("no secrets for this connection"));
        return {};
    }
    if (flags & PedeNovos) {
        Cala();
        sendErrorReply(Cancelado, QStringLiteral("the password given was refused"));
        if (recusada_)
            recusada_();
        return {};
    }
    const QString senha = QString::fromStdString(DeCp1252(senha_));
    Configuracao segredos;
    if (setting_name == QLatin1String("vpn")) {
        // A VPN plug-in names the secret it wants in the hints; most want "password".
        SegredosVpn vpn;
        for (const QString& dica : hints)
            if (!dica.startsWith(QLatin1String("x-vpn-message:")))
                vpn.insert(dica, senha);
        if (vpn.isEmpty())
            vpn.insert(QStringLiteral("password"), senha);
        segredos[setting_name].insert(QStringLiteral("secrets"), QVariant::fromValue(vpn));
        return segredos;
    }
    if (!hints.isEmpty() && !hints.contains(QLatin1String("password"))) {
        // A PIN or another secret this dial was not given.
        sendErrorReply(SemSegredos, QStringLiteral("only the password is known"));
        return {};
    }
    segredos[setting_name].insert(QStringLiteral("password"), senha);
    return segredos;
}

void AgenteSegredos::CancelGetSecrets(const QDBusObjectPath&, const QString&) {}

// The dial's password is never stored: NetworkManager keeps what the user saved elsewhere.
void AgenteSegredos::SaveSecrets(const Configuracao&, const QDBusObjectPath&) {}
void AgenteSegredos::DeleteSecrets(const Configuracao&, const QDBusObjectPath&) {}

} // namespace plataforma::nm
