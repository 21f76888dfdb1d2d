// The "Linha" box of the access tab against a private system bus: what it offers with NetworkManager
// on the bus and without, what storing the tab writes, and when the choice changes the dial-up line.
#include "app/frm_telvanor01.h"
#include "dialogs/frm_telvanor09.h"
#include "platform/discagem/networkmanager/escolha_discagem.h"
#include "platform/discagem/ras.h"
#include "platform/texto/cp1252.h"
#include "settings/configuracao.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/networkmanager_simulado.h"

#include <chrono>

#include <gtest/gtest.h>

namespace {

using namespace quelza;
using namespace plataforma;
using namespace std::chrono_literals;

// The application keeps its first system-bus connection for its whole run, so every test asks one
// bus; the last test stops NetworkManager on it.
class Linha : public AmbienteTeste {
protected:
    static void SetUpTestSuite() {
        nm = new NetworkManagerSimulado;
        nm->AdicionaPerfil(QStringLiteral("Provedor"), QStringLiteral("pppoe"));
    }
    static void TearDownTestSuite() {
        delete nm;
        nm = nullptr;
    }
    ~Linha() override { nm::AplicaEscolhaDiscagem("", true); }

    frmTelvanor09& Abre() {
        dialogo = std::make_unique<frmTelvanor09>();
        dialogo->SSTab1->setCurrentIndex(frmTelvanor09::AbaAcesso);
        return *dialogo;
    }
    static QStringList Itens(const QComboBox* caixa) {
        QStringList itens;
        for (int i = 0; i < caixa->count(); ++i)
            itens << caixa->itemText(i);
        return itens;
    }
    void Escolhe(const char* linha) {
        dialogo->cmbLinha->setCurrentIndex(dialogo->cmbLinha->findText(QString::fromUtf8(linha)));
        dialogo->cmdAplicar->click();
    }
    // The entries the line in service offers, as the tab lists them.
    QStringList EntradasOferecidas() { return Itens(Abre().cmbAcesso); }

    static inline NetworkManagerSimulado* nm = nullptr;
    frmTelvanor01 janela;
    std::unique_ptr<frmTelvanor09> dialogo;
};

const QStringList AsDuas{QStringLiteral("Linha simulada"), QStringLiteral("NetworkManager")};

// Which stored texts choose NetworkManager is the choice's own table; here one of each reaches the box.
TEST_F(Linha, ComNetworkManagerOfereceAsDuasComAGuardadaEscolhida) {
    ASSERT_TRUE(nm->Iniciado());
    const struct {
        const char* guardada;
        const char* mostrada;
    } casos[] = {{"", "Linha simulada"}, {"networkmanager", "NetworkManager"}};
    for (const auto& caso : casos) {
        Discagem = caso.guardada;
        Abre();
        EXPECT_EQ(Itens(dialogo->cmbLinha), AsDuas) << caso.guardada;
        EXPECT_EQ(dialogo->cmbLinha->currentText().toStdString(), caso.mostrada) << caso.guardada;
    }
}

TEST_F(Linha, GravarAAbaGuardaALinhaEATrocaSemConexao) {
    ASSERT_TRUE(nm->Iniciado());
    Discagem = "";
    Abre();
    Escolhe("NetworkManager");
    EXPECT_EQ(LeIni(ArquivoConfig(), "Linux", "Discagem"), "networkmanager");
    EXPECT_EQ(Discagem, "networkmanager");
    EXPECT_TRUE(NetworkManagerSimulado::Ate([&] { return EntradasOferecidas() == QStringList{"Provedor"}; }));

    Abre();
    Escolhe("Linha simulada");
    EXPECT_EQ(LeIni(ArquivoConfig(), "Linux", "Discagem"), "simulada");
    EXPECT_EQ(EntradasOferecidas(), QStringList{"Provedor Simulado"});
}

TEST_F(Linha, ComUmaConexaoAbertaSoGuardaParaAProximaPartida) {
    ASSERT_TRUE(nm->Iniciado());
    Discagem = "";
    RASDIALPARAMSA p{};
    p.dwSize = sizeof p;
    ParaCp1252("Provedor Simulado").copy(p.szEntryName, RAS_MaxEntryName);
    HRASCONN conexao = 0;
    ASSERT_EQ(RasDialA(nullptr, nullptr, &p, 0xFFFFFFFF, nullptr, &conexao), 0u);

    Abre();
    Escolhe("NetworkManager");
    EXPECT_EQ(LeIni(ArquivoConfig(), "Linux", "Discagem"), "networkmanager");
    EXPECT_EQ(EntradasOferecidas(), QStringList{"Provedor Simulado"})
        << "the line that is up keeps its service";

    RasHangUpA(conexao);
    relogio->Avanca(1h);
    Abre();
    Escolhe("NetworkManager");
    EXPECT_TRUE(NetworkManagerSimulado::Ate([&] { return EntradasOferecidas() == QStringList{"Provedor"}; }))
        << "with the line down the choice is taken";
}

// Last: NetworkManager leaves the bus for the rest of the run.
TEST_F(Linha, SemNetworkManagerSoASimuladaSalvoSeEraAGuardada) {
    nm->Para();
    Discagem = "";
    Abre();
    EXPECT_EQ(Itens(dialogo->cmbLinha), QStringList{"Linha simulada"});

    Discagem = "networkmanager";
    Abre();
    EXPECT_EQ(Itens(dialogo->cmbLinha), AsDuas) << "storing the tab must not drop the choice unasked";
    EXPECT_EQ(dialogo->cmbLinha->currentText(), "NetworkManager");
    dialogo->cmdAplicar->click();
    EXPECT_EQ(LeIni(ArquivoConfig(), "Linux", "Discagem"), "networkmanager");
}

} // namespace
