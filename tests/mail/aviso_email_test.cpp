// The desktop notice of new mail: when a run shows it and what it says, and the notice as the desktop
// gets it from python-dbusmock's notification service on a private session bus, after runs over a
// scripted POP3 server.
#include "mail/aviso_email.h"
#include "mail/verificacao_contas.h"
#include "platform/arquivos/pastas.h"
#include "platform/nucleo/escolha_backend.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/barramento_privado.h"
#include "support/diagnosticos.h"
#include "support/espera_no_relogio.h"
#include "support/servidor_pop3_roteirizado.h"

#include <QDBusArgument>
#include <QDBusMessage>

#include <gtest/gtest.h>

namespace {

using namespace quelza;

TEST(AvisoEmail, SoQuandoOTotalCresce) {
    const std::vector<ContagemDaConta> contas = {{"Casa", 3}, {"Vazia", 0}, {"Trabalho", 1}};
    const auto aviso = AvisoNovoEmail(4, 3, contas);
    ASSERT_TRUE(aviso);
    EXPECT_EQ(aviso->Resumo, "Você tem 4 mensagens");
    EXPECT_EQ(aviso->Corpo, "Casa: 3 mensagens\nTrabalho: 1 mensagem") << "accounts without mail left out";
    const std::pair<std::int16_t, std::int16_t> semAviso[] = {{4, 4}, {4, 9}, {0, -1}};
    for (const auto& [total, anterior] : semAviso)
        EXPECT_FALSE(AvisoNovoEmail(total, anterior, contas)) << total << " after " << anterior;
}

const QString Servico = QStringLiteral("org.freedesktop.Notifications");
const QString Caminho = QStringLiteral("/org/freedesktop/Notifications");
const QString Mock = QStringLiteral("org.freedesktop.DBus.Mock");

class AvisoNaAreaDeTrabalho : public AmbienteTeste {
protected:
    AvisoNaAreaDeTrabalho() {
        relogio->Ajusta(9, 30);
        plataforma::DefineBackend<plataforma::Espera>(espera);
        plataforma::DefineBackend<plataforma::AvisosDesktop>(plataforma::AvisosNoBarramento(controle));
        TempoDeEspera = 1;
        AvisarNovoEmail = 1;
        servidor.caixas["ana"] = {"1", "+OK 0 0", {}};
        ContasEmail = {{"Casa & <Cia>", servidor.Endereco(), "ana", "1"}};
        TemContasEmail = true;
    }
    ~AvisoNaAreaDeTrabalho() override {
        plataforma::DefineBackend<plataforma::Espera>(nullptr);
        plataforma::DefineBackend<plataforma::AvisosDesktop>(nullptr);
    }

    void Verifica(int mensagens) {
        servidor.caixas["ana"].stat = "+OK " + std::to_string(mensagens) + " 100";
        VerificaTodasAsContas();
    }

    // The Notify calls the service got: each one's arguments.
    std::vector<QVariantList> Notificacoes() {
        auto pedido =
            QDBusMessage::createMethodCall(Servico, Caminho, Mock, QStringLiteral("GetMethodCalls"));
        pedido << QStringLiteral("Notify");
        return ChamadasDoMock(controle.call(pedido));
    }

    // Serves events until the service holds `quantas` notices whose last body names `mensagens`.
    std::vector<QVariantList> Ate(std::size_t quantas, const QString& mensagens) {
        std::vector<QVariantList> chamadas;
        BarramentoPrivado::Ate([&] {
            chamadas = Notificacoes();
            return chamadas.size() >= quantas && chamadas.back().value(4).toString().contains(mensagens);
        });
        return chamadas;
    }

    void EmiteAcao(uint identificador) {
        auto sinal = QDBusMessage::createMethodCall(Servico, Caminho, Mock, QStringLiteral("EmitSignal"));
        sinal << Servico << QStringLiteral("ActionInvoked") << QStringLiteral("us")
              << QVariantList{identificador, QStringLiteral("default")};
        controle.call(sinal);
    }

    std::shared_ptr<EsperaNoRelogio> espera = std::make_shared<EsperaNoRelogio>(relogio);
    ServidorPop3Roteirizado servidor;
    BarramentoPrivado barramento{"DBUS_SESSION_BUS_ADDRESS"};
    QDBusConnection controle = barramento.NovaConexao();
};

// One notice for new mail, none while the count does not grow or the box is off, each next one in
// place of the last; its default action opens the mail program, a foreign notice's does not.
TEST_F(AvisoNaAreaDeTrabalho, UmAvisoSubstituidoQuandoOTotalCresce) {
    ASSERT_TRUE(barramento.IniciaMock(QStringLiteral("notification_daemon"), Servico));
    Verifica(3);
    auto notas = Ate(1, QStringLiteral("3 mensagens"));
    ASSERT_EQ(notas.size(), 1u);
    const QVariantList& primeiro = notas[0];
    EXPECT_EQ(primeiro.value(0).toString(), QStringLiteral("e-Telvanor"));
    EXPECT_EQ(primeiro.value(1).toUInt(), 0u);
    EXPECT_EQ(primeiro.value(2).toString(), QStringLiteral("e-telvanor"));
    EXPECT_EQ(primeiro.value(3).toString(), QString::fromUtf8("Você tem 3 mensagens"));
    // The service reads markup: the account's name shows as written.
    EXPECT_EQ(primeiro.value(4).toString(), QStringLiteral("Casa &amp; &lt;Cia&gt;: 3 mensagens"));
    EXPECT_TRUE(qdbus_cast<QStringList>(primeiro.value(5)).contains(QStringLiteral("default")));

    Verifica(3);
    Verifica(2);
    Verifica(5);
    AvisarNovoEmail = 0;
    Verifica(8);
    AvisarNovoEmail = 1;
    Verifica(9);
    notas = Ate(3, QStringLiteral("9 mensagens"));
    ASSERT_EQ(notas.size(), 3u);
    EXPECT_TRUE(notas[1].value(4).toString().contains(QStringLiteral("5 mensagens")));
    for (const QVariantList& aviso : {notas[1], notas[2]})
        EXPECT_EQ(aviso.value(1).toUInt(), 1u) << "replaces the first notice";

    EmiteAcao(77);
    EmiteAcao(1);
    ASSERT_TRUE(BarramentoPrivado::Ate([&] { return !shell->aberturas.empty(); }));
    EmiteAcao(1);
    ASSERT_TRUE(BarramentoPrivado::Ate([&] { return shell->aberturas.size() == 2; }));
    for (const auto& abertura : shell->aberturas) {
        EXPECT_EQ(abertura.arquivo, "msimn.exe");
        EXPECT_EQ(abertura.operacao, "Open");
        EXPECT_EQ(abertura.pasta, plataforma::PastaPrograma());
    }
}

// Without a service nothing shows and nothing is said; the service that comes later gets a notice
// of its own.
TEST_F(AvisoNaAreaDeTrabalho, SemServicoNadaSeMostraNemSeDiz) {
    DiagnosticosGuardados diagnosticos;
    Verifica(3);
    ASSERT_TRUE(barramento.IniciaMock(QStringLiteral("notification_daemon"), Servico));
    Verifica(4);
    const auto notas = Ate(1, QStringLiteral("4 mensagens"));
    ASSERT_EQ(notas.size(), 1u);
    EXPECT_EQ(notas[0].value(1).toUInt(), 0u);
    EXPECT_EQ(diagnosticos.Retira(), "");
}

} // namespace
