#include "support/networkmanager_simulado.h"

#include "platform/discagem/networkmanager/tipos_nm.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

#include <csignal>

namespace {

const QString Servico = QStringLiteral("org.freedesktop.NetworkManager");
const QString Gerente = QStringLiteral("/org/freedesktop/NetworkManager");
const QString Principal = QStringLiteral("/org/freedesktop");
const QString Mock = QStringLiteral("org.freedesktop.DBus.Mock");
const QString Roteiro = QStringLiteral("org.telvanor.Roteiro");

// What the template lacks, set up inside the mock: a dial-up device, an agent manager, an activation
// that starts in the activating state (and its volatile twin), state changes with reasons, and a
// secret request sent to an agent the way NetworkManager sends it.
const char* const Preparo = R"PY(
M = 'org.freedesktop.NetworkManager'
R = 'org.telvanor.Roteiro'
dev = '/org/freedesktop/NetworkManager/Devices/ppp0'
self.AddEthernetDevice('ppp0', 'ppp0', 30)
self.AddObject('/org/freedesktop/NetworkManager/AgentManager', 'org.freedesktop.NetworkManager.AgentManager',
               {}, [('Register', 's', '', ''), ('RegisterWithCapabilities', 'su', '', ''), ('Unregister', '', '', '')])
ativa = '''
self.n = getattr(self, 'n', 0) + 1
ret = dbus.ObjectPath(self.AddActiveConnection([DEV], args[0], '/', 'Discada' + str(self.n), dbus.UInt32(1)))
'''.replace('DEV', repr(dev))
self.AddMethod(M, 'ActivateConnection', 'ooo', 'o', ativa)
copia = '''
perfil = objects['/org/freedesktop/NetworkManager/Settings'].SettingsAddConnection(args[0])
self.n = getattr(self, 'n', 0) + 1
a = self.AddActiveConnection([DEV], perfil, '/', 'Discada' + str(self.n), dbus.UInt32(1))
ret = (dbus.ObjectPath(perfil), dbus.ObjectPath(a), dbus.Dictionary({}, signature='sv'))
'''.replace('DEV', repr(dev))
self.AddMethod(M, 'AddAndActivate2', 'a{sa{sv}}ooa{sv}', 'ooa{sv}', copia)
self.AddMethod(R, 'MudaAtiva', 'ouu', '', '''
o = objects[args[0]]
o.EmitSignal('org.freedesktop.NetworkManager.Connection.Active', 'StateChanged', 'uu', [args[1], args[2]])
o.Set('org.freedesktop.NetworkManager.Connection.Active', 'State', dbus.UInt32(args[1]))
''')
self.AddMethod(R, 'MudaDispositivo', 'uu', '', '''
d = objects[DEV]
I = 'org.freedesktop.NetworkManager.Device'
velho = d.Get(I, 'State')
d.Set(I, 'State', dbus.UInt32(args[0]))
d.Set(I, 'StateReason', dbus.Struct((dbus.UInt32(args[0]), dbus.UInt32(args[1])), signature='uu'))
d.EmitSignal(I, 'StateChanged', 'uuu', [args[0], velho, args[1]])
'''.replace('DEV', repr(dev)))
self.AddMethod(R, 'PedeSegredos', 'ssosu', 'a{sa{sv}}', '''
agente = self.connection.get_object(args[0], '/org/freedesktop/NetworkManager/SecretAgent')
conexao = dbus.Dictionary({'connection': dbus.Dictionary({'uuid': args[1]}, signature='sv')}, signature='sa{sv}')
ret = agente.GetSecrets(conexao, args[2], args[3], dbus.Array([], signature='s'), dbus.UInt32(args[4]),
                        dbus_interface='org.freedesktop.NetworkManager.SecretAgent')
''')
)PY";

} // namespace

NetworkManagerSimulado::NetworkManagerSimulado(bool comNetworkManager) {
    plataforma::nm::RegistraTipos();
    if (!barramento_.Iniciado())
        return;
    if (!comNetworkManager) {
        iniciado_ = true;
        return;
    }
    if (!barramento_.IniciaMock(QStringLiteral("networkmanager"), Servico))
        return;
    controle_ = NovaConexao();
    Roteiriza();
    iniciado_ = true;
}

NetworkManagerSimulado::~NetworkManagerSimulado() { Solta(); }

// Asynchronous, with events served meanwhile: the mock may call back into this process (a secret
// request to the agent under test) before it answers.
QDBusMessage NetworkManagerSimulado::Chama(const QString& caminho, const QString& interface,
                                           const QString& metodo, const QVariantList& argumentos) {
    auto mensagem = QDBusMessage::createMethodCall(Servico, caminho, interface, metodo);
    mensagem.setArguments(argumentos);
    QDBusPendingCall pendente = controle_.asyncCall(mensagem, 8000);
    Ate([&] { return pendente.isFinished(); });
    return pendente.reply();
}

void NetworkManagerSimulado::Roteiriza() {
    Chama(Gerente, Mock, QStringLiteral("AddMethod"),
          {Roteiro, QStringLiteral("Prepara"), QString(), QString(), QString::fromUtf8(Preparo)});
    Chama(Gerente, Roteiro, QStringLiteral("Prepara"), {});
}

QString NetworkManagerSimulado::AdicionaPerfil(const QString& id, const QString& tipo,
                                               const QMap<QString, QVariantMap>& extra) {
    plataforma::nm::Configuracao configuracao = extra;
    configuracao[QStringLiteral("connection")][QStringLiteral("id")] = id;
    configuracao[QStringLiteral("connection")][QStringLiteral("type")] = tipo;
    const QDBusMessage resposta = Chama(QStringLiteral("/org/freedesktop/NetworkManager/Settings"),
                                        QStringLiteral("org.freedesktop.NetworkManager.Settings"),
                                        QStringLiteral("AddConnection"), {QVariant::fromValue(configuracao)});
    return qvariant_cast<QDBusObjectPath>(resposta.arguments().value(0)).path();
}

void NetworkManagerSimulado::RemovePerfil(const QString& caminho) {
    Chama(caminho, QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"),
          QStringLiteral("Delete"), {});
}

QMap<QString, QVariantMap> NetworkManagerSimulado::ConfiguracaoDoPerfil(const QString& caminho) {
    const QDBusMessage resposta =
        Chama(caminho, QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"),
              QStringLiteral("GetSettings"), {});
    return qdbus_cast<plataforma::nm::Configuracao>(resposta.arguments().value(0));
}

QString NetworkManagerSimulado::UuidDoPerfil(const QString& caminho) {
    return ConfiguracaoDoPerfil(caminho)
        .value(QStringLiteral("connection"))
        .value(QStringLiteral("uuid"))
        .toString();
}

QStringList NetworkManagerSimulado::Perfis() {
    const QDBusMessage resposta = Chama(QStringLiteral("/org/freedesktop/NetworkManager/Settings"),
                                        QStringLiteral("org.freedesktop.NetworkManager.Settings"),
                                        QStringLiteral("ListConnections"), {});
    QStringList caminhos;
    for (const QDBusObjectPath& caminho : qdbus_cast<QList<QDBusObjectPath>>(resposta.arguments().value(0)))
        caminhos << caminho.path();
    return caminhos;
}

QString NetworkManagerSimulado::AtivaPorFora(const QString& perfil, const QString& nome, uint estado) {
    const QDBusMessage resposta = Chama(Principal, Mock, QStringLiteral("AddActiveConnection"),
                                        {QStringList(), perfil, QStringLiteral("/"), nome, estado});
    return resposta.arguments().value(0).toString();
}

void NetworkManagerSimulado::MudaAtiva(const QString& ativa, uint estado, uint razao) {
    Chama(Gerente, Roteiro, QStringLiteral("MudaAtiva"),
          {QVariant::fromValue(QDBusObjectPath(ativa)), estado, razao});
}

void NetworkManagerSimulado::MudaDispositivo(uint estado, uint razao) {
    Chama(Gerente, Roteiro, QStringLiteral("MudaDispositivo"), {estado, razao});
}

void NetworkManagerSimulado::RemoveAtiva(const QString& ativa) {
    Chama(Principal, Mock, QStringLiteral("RemoveActiveConnection"),
          {QStringLiteral("/org/freedesktop/NetworkManager/Devices/ppp0"), ativa});
}

QStringList NetworkManagerSimulado::Ativas() {
    const QDBusMessage resposta =
        Chama(Gerente, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
              {QStringLiteral("org.freedesktop.NetworkManager"), QStringLiteral("ActiveConnections")});
    const QVariant valor = qvariant_cast<QDBusVariant>(resposta.arguments().value(0)).variant();
    QStringList caminhos;
    for (const QDBusObjectPath& caminho : qdbus_cast<QList<QDBusObjectPath>>(valor))
        caminhos << caminho.path();
    return caminhos;
}

QString NetworkManagerSimulado::UltimaAtiva() {
    QString ativa;
    Ate([&] {
        const QStringList ativas = Ativas();
        ativa = ativas.isEmpty() ? QString() : ativas.last();
        return !ativa.isEmpty();
    });
    return ativa;
}

QMap<QString, QVariantMap> NetworkManagerSimulado::PedeSegredos(const QString& agente, const QString& uuid,
                                                                const QString& secao, uint flags,
                                                                QString* erro) {
    const QDBusMessage resposta = Chama(
        Gerente, Roteiro, QStringLiteral("PedeSegredos"),
        {agente, uuid,
         QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/freedesktop/NetworkManager/Settings/0"))),
         secao, flags});
    if (erro)
        *erro = resposta.type() == QDBusMessage::ErrorMessage ? resposta.errorName() + resposta.errorMessage()
                                                              : QString();
    return qdbus_cast<plataforma::nm::Configuracao>(resposta.arguments().value(0));
}

void NetworkManagerSimulado::DefineMetodo(const QString& metodo, const QString& entrada, const QString& saida,
                                          const QString& codigo) {
    Chama(Gerente, Mock, QStringLiteral("AddMethod"), {Servico, metodo, entrada, saida, codigo});
}

void NetworkManagerSimulado::EmiteSinal(const QString& sinal) {
    Chama(Gerente, Mock, QStringLiteral("EmitSignal"), {Servico, sinal, QString(), QVariantList()});
}

int NetworkManagerSimulado::Chamadas(const QString& metodo) {
    return static_cast<int>(
        ChamadasDoMock(Chama(Gerente, Mock, QStringLiteral("GetMethodCalls"), {metodo})).size());
}

void NetworkManagerSimulado::Congela() {
    if (barramento_.Mock().state() != QProcess::NotRunning)
        ::kill(static_cast<pid_t>(barramento_.Mock().processId()), SIGSTOP);
}

void NetworkManagerSimulado::Solta() {
    if (barramento_.Mock().state() != QProcess::NotRunning)
        ::kill(static_cast<pid_t>(barramento_.Mock().processId()), SIGCONT);
}

void NetworkManagerSimulado::Para() {
    barramento_.Mock().terminate();
    barramento_.Mock().waitForFinished(5000);
}
