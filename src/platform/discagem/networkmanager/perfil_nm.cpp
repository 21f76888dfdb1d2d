#include "platform/discagem/networkmanager/perfil_nm.h"

#include "platform/discagem/networkmanager/estado_nm.h"
#include "platform/texto/cp1252.h"

namespace plataforma::nm {

QString SecaoCredenciais(const QString& tipo, const Configuracao& configuracao) {
    if (tipo == QLatin1String("bluetooth"))
        return configuracao.contains(QStringLiteral("cdma")) ? QStringLiteral("cdma") : QStringLiteral("gsm");
    return tipo;
}

void PreenchePerfil(PerfilNm& perfil, const Configuracao& configuracao) {
    const QVariantMap conexao = configuracao.value(QStringLiteral("connection"));
    perfil.tipo = conexao.value(QStringLiteral("type")).toString();
    perfil.uuid = conexao.value(QStringLiteral("uuid")).toString();
    perfil.nome = ParaCp1252(conexao.value(QStringLiteral("id")).toString().toStdString());
    const QString bluetooth =
        configuracao.value(QStringLiteral("bluetooth")).value(QStringLiteral("type")).toString();
    perfil.discavel = TipoDiscavel(perfil.tipo.toStdString(), bluetooth.toStdString());
    const QVariantMap credenciais = configuracao.value(SecaoCredenciais(perfil.tipo, configuracao));
    perfil.usuario = credenciais.value(QStringLiteral("username")).toString();
    // Flags 0: NetworkManager keeps the password itself and asks no agent.
    perfil.senhaGuardada = credenciais.value(QStringLiteral("password-flags")).toUInt() == 0;
    perfil.carregado = true;
}

} // namespace plataforma::nm
