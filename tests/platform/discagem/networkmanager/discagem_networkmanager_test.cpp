// The dial-up calls on NetworkManager, against python-dbusmock's NetworkManager on a private bus.
#include "support/chamadas_discagem.h"
#include "support/networkmanager_simulado.h"
#include "support/relogio_ajustavel.h"

#include "platform/discagem/networkmanager/discagem_networkmanager.h"
#include "platform/discagem/networkmanager/estado_nm.h"
#include "platform/discagem/ras.h"
#include "platform/nucleo/escolha_backend.h"
#include "platform/texto/cp1252.h"

#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCall>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace plataforma;
using namespace plataforma::nm;

constexpr uint RazaoNenhuma = 1;

QString Valor(const Configuracao& c, const char* secao, const char* chave) {
    return c.value(QString::fromLatin1(secao)).value(QString::fromLatin1(chave)).toString();
}

// A profile's user name; its password left to agents unless `senhaFlags` says otherwise (0: kept by
// NetworkManager itself; -1: no flags at all, which means the same).
QMap<QString, QVariantMap> Usuario(const char* secao, const char* usuario, int senhaFlags = 1) {
    QVariantMap credenciais{{QStringLiteral("username"), QString::fromLatin1(usuario)}};
    if (senhaFlags >= 0)
        credenciais.insert(QStringLiteral("password-flags"), static_cast<uint>(senhaFlags));
    return {{QString::fromLatin1(secao), credenciais}};
}

bool ChegaA(HRASCONN conexao, RASCONNSTATE estado, std::uint32_t erro = 0) {
    return NetworkManagerSimulado::Ate([&] {
        const RASCONNSTATUSA lido = Estado(conexao);
        return lido.rasconnstate == estado && lido.dwError == erro;
    });
}

class DiscagemNetworkManagerTeste : public ::testing::Test {
protected:
    void SetUp() override {
        DefineBackend<Relogio>(relogio_);
        ASSERT_TRUE(nm_->Iniciado()) << "dbus-daemon or python3-dbusmock did not start";
    }
    void TearDown() override {
        DefineBackend<ServicoDiscagem>(nullptr);
        servico_.reset();
        DefineBackend<Relogio>(nullptr);
    }

    void Liga(int prazoMs = DiscagemNetworkManager::PrazoPadraoMs) {
        conexao_ = nm_->NovaConexao();
        servico_ = std::make_shared<DiscagemNetworkManager>(conexao_, prazoMs);
        DefineBackend<ServicoDiscagem>(servico_);
        ASSERT_TRUE(NetworkManagerSimulado::Ate([&] { return servico_->Pronto(); }));
    }

    int Ativacoes() { return nm_->Chamadas(QStringLiteral("ActivateConnection")); }
    QString Perfil(const char* id, const char* tipo = "pppoe", const Configuracao& extra = {}) {
        return nm_->AdicionaPerfil(QString::fromUtf8(id), QString::fromLatin1(tipo), extra);
    }
    // What the program's agent answers NetworkManager for the profile with this uuid.
    Configuracao Segredos(const QString& uuid, QString* erro, const char* tipo = "pppoe") {
        return nm_->PedeSegredos(conexao_.baseService(), uuid, QString::fromLatin1(tipo), 0, erro);
    }

    std::shared_ptr<RelogioAjustavel> relogio_ = std::make_shared<RelogioAjustavel>();
    std::unique_ptr<NetworkManagerSimulado> nm_ = std::make_unique<NetworkManagerSimulado>();
    QDBusConnection conexao_{QString()};
    std::shared_ptr<DiscagemNetworkManager> servico_;
};

// The profiles' types and Bluetooth settings decide which are entries, listed in order; the types
// no profile here has are EstadoNm.SoOsTiposDeDiscagemSaoEntradas's test.
TEST_F(DiscagemNetworkManagerTeste, EntradasSaoOsPerfisDeDiscagemNaOrdemDoNetworkManager) {
    const struct {
        const char* id;
        const char* tipo;
        QMap<QString, QVariantMap> extra;
        bool listado;
    } perfis[] = {
        {"Cabo", "802-3-ethernet", {}, false},
        {"Provedor", "pppoe", Usuario("pppoe", "ana"), true},
        {"Celular BT", "bluetooth", {{"bluetooth", {{"type", "dun"}}}}, true},
        {"Rede BT", "bluetooth", {{"bluetooth", {{"type", "panu"}}}}, false},
    };
    std::vector<std::string> esperadas;
    for (const auto& p : perfis) {
        Perfil(p.id, p.tipo, p.extra);
        if (p.listado)
            esperadas.push_back(p.id);
    }
    Liga();
    EXPECT_EQ(NomesDasEntradas(), esperadas);

    // Profiles added and removed while the program runs follow at once.
    const QString novo = Perfil("Outro Provedor");
    esperadas.push_back("Outro Provedor");
    EXPECT_TRUE(NetworkManagerSimulado::Ate([&] { return NomesDasEntradas() == esperadas; }));
    nm_->RemovePerfil(novo);
    esperadas.pop_back();
    EXPECT_TRUE(NetworkManagerSimulado::Ate([&] { return NomesDasEntradas() == esperadas; }));

    HRASCONN conexao = 99;
    EXPECT_EQ(Disca("Cabo", "", "", &conexao), ERROR_CANNOT_FIND_PHONEBOOK_ENTRY) << "not a dial-up profile";
    EXPECT_EQ(conexao, 0u);
}

TEST_F(DiscagemNetworkManagerTeste, DiscagemPassaPelosEstadosAteConectadoComASenhaPeloAgente) {
    const QString perfil = Perfil("Provedor", "pppoe", Usuario("pppoe", "ana"));
    const QString outro = Perfil("Outro");
    Liga();

    HRASCONN conexao = 0;
    ASSERT_EQ(Disca("Provedor", "ana", "segredo", &conexao), 0u);
    EXPECT_EQ(Estado(conexao).rasconnstate, RASCS_ConnectDevice) << "the dial shows at once";
    ASSERT_EQ(Conexoes().size(), 1u);
    EXPECT_EQ(Conexoes()[0].conexao, conexao);
    EXPECT_EQ(Conexoes()[0].nome, "Provedor");
    HRASCONN segunda = 0;
    EXPECT_EQ(Disca("Outro", "", "", &segunda), ERROR_PORT_ALREADY_OPEN) << "one dial at a time";

    const QString ativa = nm_->UltimaAtiva();
    // The device's changes reach the dial (which state is which: EstadoNm.EstadosDaAtivaEDoDispositivo).
    nm_->MudaDispositivo(60, RazaoNenhuma);
    EXPECT_TRUE(ChegaA(conexao, RASCS_Authenticate));

    // The agent answers NetworkManager for the profile dialled, and for no other.
    QString erro;
    EXPECT_EQ(Valor(Segredos(nm_->UuidDoPerfil(perfil), &erro), "pppoe", "password"), "segredo");
    EXPECT_EQ(erro, QString());
    Segredos(nm_->UuidDoPerfil(outro), &erro);
    EXPECT_TRUE(erro.startsWith(QStringLiteral("org.freedesktop.NetworkManager.SecretAgent.NoSecrets")))
        << erro.toStdString();

    // Anyone else on the bus asking the agent, even for the profile dialled, gets nothing.
    QDBusConnection estranho = nm_->NovaConexao();
    auto pedido = QDBusMessage::createMethodCall(
        conexao_.baseService(), QStringLiteral("/org/freedesktop/NetworkManager/SecretAgent"),
        QStringLiteral("org.freedesktop.NetworkManager.SecretAgent"), QStringLiteral("GetSecrets"));
    Configuracao configuracao;
    configuracao[QStringLiteral("connection")][QStringLiteral("uuid")] = nm_->UuidDoPerfil(perfil);
    pedido << QVariant::fromValue(configuracao) << QVariant::fromValue(QDBusObjectPath(perfil))
           << QStringLiteral("pppoe") << QStringList() << 0u;
    const QDBusPendingCall resposta = estranho.asyncCall(pedido);
    ASSERT_TRUE(NetworkManagerSimulado::Ate([&] { return resposta.isFinished(); }));
    EXPECT_EQ(resposta.error().name(),
              QStringLiteral("org.freedesktop.NetworkManager.SecretAgent.NoSecrets"));

    nm_->MudaDispositivo(100, RazaoNenhuma);
    nm_->MudaAtiva(ativa, AtivaAtivada, RazaoNenhuma);
    EXPECT_TRUE(ChegaA(conexao, RASCS_Connected));

    // Once up, the password is forgotten.
    Segredos(nm_->UuidDoPerfil(perfil), &erro);
    EXPECT_FALSE(erro.isEmpty());

    // Hang-up deactivates it; it reads disconnected until NetworkManager lets it go.
    EXPECT_EQ(RasHangUpA(conexao), 0u);
    EXPECT_EQ(Estado(conexao).rasconnstate, RASCS_Disconnected);
    EXPECT_TRUE(NetworkManagerSimulado::Ate([&] { return Conexoes().empty(); }));
    EXPECT_TRUE(nm_->Ativas().isEmpty());
    std::uint32_t codigo = 0;
    Estado(conexao, &codigo);
    EXPECT_EQ(codigo, ERROR_INVALID_HANDLE_RAS);
    EXPECT_EQ(RasHangUpA(conexao), ERROR_INVALID_HANDLE_RAS);
}

TEST_F(DiscagemNetworkManagerTeste, ConexaoIniciadaPorForaApareceEPodeSerDesligada) {
    const QString cabo = Perfil("Cabo", "802-3-ethernet");
    const QString perfil = Perfil("Provedor");
    Liga();
    const QString ativaCabo = nm_->AtivaPorFora(cabo, QStringLiteral("cabo"), AtivaAtivada);
    nm_->AtivaPorFora(perfil, QStringLiteral("applet"), AtivaAtivada);
    ASSERT_TRUE(NetworkManagerSimulado::Ate([&] { return Conexoes().size() == 1; }));
    const LinhaListada linha = Conexoes()[0];
    EXPECT_EQ(linha.nome, "Provedor");
    EXPECT_TRUE(ChegaA(linha.conexao, RASCS_Connected));
    HRASCONN outra = 0;
    EXPECT_EQ(Disca("Provedor", "", "", &outra), ERROR_PORT_ALREADY_OPEN);

    EXPECT_EQ(RasHangUpA(linha.conexao), 0u);
    EXPECT_TRUE(NetworkManagerSimulado::Ate([&] { return Conexoes().empty(); }));
    EXPECT_EQ(nm_->Chamadas(QStringLiteral("DeactivateConnection")), 1);
    EXPECT_EQ(nm_->Ativas(), QStringList{ativaCabo}) << "only the dial-up connection was hung up";
}

TEST_F(DiscagemNetworkManagerTeste, UsuarioDiferenteValeSoParaEstaAtivacao) {
    const QString perfil = Perfil("Provedor", "pppoe", Usuario("pppoe", "ana"));
    Liga();
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca("Provedor", "bia", "dela", &conexao), 0u);
    ASSERT_TRUE(NetworkManagerSimulado::Ate([&] { return nm_->Perfis().size() == 2; }));

    EXPECT_EQ(Valor(nm_->ConfiguracaoDoPerfil(perfil), "pppoe", "username"), "ana");
    const auto copia = nm_->ConfiguracaoDoPerfil(nm_->Perfis().last());
    EXPECT_EQ(Valor(copia, "pppoe", "username"), "bia");
    EXPECT_EQ(Valor(copia, "pppoe", "password-flags"), "1");
    EXPECT_EQ(Valor(copia, "connection", "id"), "Provedor");
    const QString uuidCopia = Valor(copia, "connection", "uuid");
    EXPECT_NE(uuidCopia, nm_->UuidDoPerfil(perfil));
    EXPECT_TRUE(NetworkManagerSimulado::Ate([&] {
        return NomesDasEntradas() == std::vector<std::string>{"Provedor"};
    })) << "the copy is not an entry of its own";

    QString erro;
    EXPECT_EQ(Valor(Segredos(uuidCopia, &erro), "pppoe", "password"), "dela");
    Segredos(nm_->UuidDoPerfil(perfil), &erro);
    EXPECT_FALSE(erro.isEmpty()) << "the saved profile gets nothing";
}

// The dial's credentials reach NetworkManager through a copy of the profile exactly when activating
// the profile itself would not use them.
TEST_F(DiscagemNetworkManagerTeste, CopiaSoQuandoOPerfilNaoUsariaAsCredenciaisDaDiscagem) {
    const struct {
        const char* id;
        int senhaFlags;
        const char* usuario;
        const char* senha;
        bool copia;
    } casos[] = {
        {"Mesmo usuário", 1, "ana", "x", false}, {"Outro usuário", 1, "bia", "x", true},
        {"Senha guardada", 0, "ana", "x", true}, {"Senha sem flags", -1, "ana", "x", true},
        {"Sem credenciais", 0, "", "", false},   {"Senha não guardada", 2, "ana", "x", false},
    };
    for (const auto& c : casos)
        Perfil(c.id, "pppoe", Usuario("pppoe", "ana", c.senhaFlags));
    Liga();
    int copias = 0, diretas = 0;
    for (const auto& c : casos) {
        HRASCONN conexao = 0;
        ASSERT_EQ(Disca(c.id, c.usuario, c.senha, &conexao), 0u) << c.id;
        (c.copia ? copias : diretas) += 1;
        EXPECT_TRUE(NetworkManagerSimulado::Ate([&] {
            return nm_->Chamadas(QStringLiteral("AddAndActivate2")) == copias && Ativacoes() == diretas &&
                   nm_->Ativas().size() == 1;
        })) << c.id;
        EXPECT_EQ(RasHangUpA(conexao), 0u);
        EXPECT_TRUE(NetworkManagerSimulado::Ate([&] {
            return Conexoes().empty() && nm_->Ativas().isEmpty();
        })) << c.id;
    }
}

TEST_F(DiscagemNetworkManagerTeste, VpnGuardaOProprioUsuario) {
    const QString perfil = Perfil("Trabalho", "vpn");
    Liga();
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca("Trabalho", "bia", "dela", &conexao), 0u);
    EXPECT_TRUE(NetworkManagerSimulado::Ate([&] { return Ativacoes() == 1; }));
    EXPECT_EQ(nm_->Chamadas(QStringLiteral("AddAndActivate2")), 0);
    QString erro;
    const auto segredos = Segredos(nm_->UuidDoPerfil(perfil), &erro, "vpn");
    EXPECT_EQ(erro, QString());
    const auto vpn = qdbus_cast<QMap<QString, QString>>(
        segredos.value(QStringLiteral("vpn")).value(QStringLiteral("secrets")));
    EXPECT_EQ(vpn.value(QStringLiteral("password")), QStringLiteral("dela"));
}

TEST_F(DiscagemNetworkManagerTeste, NetworkManagerQueParaEncerraAsLinhasERecusaDiscar) {
    const QString perfil = Perfil("Provedor");
    Liga();
    nm_->AtivaPorFora(perfil, QStringLiteral("applet"), AtivaAtivada);
    ASSERT_TRUE(NetworkManagerSimulado::Ate([&] { return Conexoes().size() == 1; }));
    const HRASCONN conexao = Conexoes()[0].conexao;
    nm_->Para();
    EXPECT_TRUE(ChegaA(conexao, RASCS_Disconnected, ERROR_RASMAN_CANNOT_INITIALIZE));
    HRASCONN nova = 0;
    EXPECT_EQ(Disca("Provedor", "", "", &nova), ERROR_RASMAN_CANNOT_INITIALIZE);
    EXPECT_TRUE(NomesDasEntradas().empty());
}

TEST_F(DiscagemNetworkManagerTeste, RecusaDoNetworkManagerViraCodigo) {
    Perfil("Provedor");
    nm_->DefineMetodo(QStringLiteral("GetPermissions"), QString(), QStringLiteral("a{ss}"),
                      QStringLiteral("ret = {'org.freedesktop.NetworkManager.network-control': 'no'}"));
    Liga();
    HRASCONN conexao = 0;
    EXPECT_EQ(Disca("Provedor", "", "", &conexao), ERROR_ACCESS_DENIED_RAS)
        << "known refusal: the dial says so";
    EXPECT_TRUE(Conexoes().empty());

    // Allowed now, yet the activation itself is refused.
    nm_->DefineMetodo(QStringLiteral("GetPermissions"), QString(), QStringLiteral("a{ss}"),
                      QStringLiteral("ret = {'org.freedesktop.NetworkManager.network-control': 'yes'}"));
    nm_->DefineMetodo(QStringLiteral("ActivateConnection"), QStringLiteral("ooo"), QStringLiteral("o"),
                      QStringLiteral("raise dbus.exceptions.DBusException('not allowed', "
                                     "name='org.freedesktop.NetworkManager.PermissionDenied')"));
    nm_->EmiteSinal(QStringLiteral("CheckPermissions"));
    ASSERT_TRUE(NetworkManagerSimulado::Ate([&] { return Disca("Provedor", "", "", &conexao) == 0; }));
    EXPECT_TRUE(ChegaA(conexao, RASCS_Disconnected, ERROR_ACCESS_DENIED_RAS));
}

TEST_F(DiscagemNetworkManagerTeste, ChamadaSemRespostaViraErroDepoisDoPrazo) {
    Perfil("Provedor");
    Liga(300);
    nm_->Congela();
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca("Provedor", "", "", &conexao), 0u) << "the dial returns without waiting for an answer";
    EXPECT_EQ(Estado(conexao).rasconnstate, RASCS_ConnectDevice);
    EXPECT_TRUE(ChegaA(conexao, RASCS_Disconnected, ERROR_REQUEST_TIMEOUT));
    nm_->Solta();
}

TEST(DiscagemSemNetworkManager, DiscarDevolveUmCodigoENadaFicaListado) {
    NetworkManagerSimulado barramento(false);
    ASSERT_TRUE(barramento.Iniciado());
    auto servico = std::make_shared<DiscagemNetworkManager>(barramento.NovaConexao());
    RASDIALPARAMSA p{};
    p.dwSize = sizeof p;
    std::string("Provedor").copy(p.szEntryName, RAS_MaxEntryName);
    HRASCONN conexao = 0;
    EXPECT_EQ(servico->Disca(p, &conexao), ERROR_RASMAN_CANNOT_INITIALIZE);
    std::uint32_t quantas = 9;
    EXPECT_EQ(servico->Conexoes(nullptr, 0, &quantas), 0u);
    EXPECT_EQ(quantas, 0u);
    EXPECT_EQ(servico->Entradas(nullptr, 0, &quantas), 0u);
    EXPECT_EQ(quantas, 0u);
}

} // namespace
