// The dialing engine and the redial timer on the NetworkManager backend, asked as the poller asks:
// a refused password ends the redials with the engine's message, a lost line is redialled only after
// the wait.
#include "support/ambiente.h"
#include "support/networkmanager_simulado.h"

#include "app/controles.h"
#include "app/frm_telvanor01.h"
#include "dialup/discagem.h"
#include "platform/discagem/networkmanager/discagem_networkmanager.h"
#include "platform/discagem/networkmanager/estado_nm.h"
#include "platform/nucleo/escolha_backend.h"
#include "settings/quelza.h"

namespace {

using namespace quelza;
using namespace plataforma;
using namespace std::chrono_literals;

class MotorNetworkManagerTeste : public AmbienteTeste {
protected:
    MotorNetworkManagerTeste() {
        // The test plays the poller and the redial timer itself.
        janela.Timer1.Enabled(false);
        janela.Timer2.Enabled(false);
        janela.Timer3.Enabled(false);
    }
    ~MotorNetworkManagerTeste() override {
        DefineBackend<ServicoDiscagem>(nullptr);
        servico_.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(nm_.Iniciado());
        perfil_ = nm_.AdicionaPerfil(QStringLiteral("Provedor"), QStringLiteral("pppoe"),
                                     {{QStringLiteral("pppoe"),
                                       {{QStringLiteral("username"), QStringLiteral("ana")},
                                        {QStringLiteral("password-flags"), 1u}}}});
        conexao_ = nm_.NovaConexao();
        servico_ = std::make_shared<nm::DiscagemNetworkManager>(conexao_);
        DefineBackend<ServicoDiscagem>(servico_);
        ASSERT_TRUE(NetworkManagerSimulado::Ate([&] { return servico_->Pronto(); }));
        AcessoDialUp = "Provedor";
        UsuárioAcesso = "ana";
        RediscarLigado = true;
    }

    // One tick of the poller, as far as the dial is concerned.
    std::string Tique() {
        DefineCaption(janela.lblStatus, TextoEstadoConexão());
        ConexãoAtiva();
        return Caption(janela.lblStatus);
    }
    // Ticks, serving D-Bus meanwhile, until the status reads `texto`.
    bool TiqueAte(const std::string& texto) {
        return NetworkManagerSimulado::Ate([&] { return Tique() == texto; });
    }
    int Ativacoes() { return nm_.Chamadas(QStringLiteral("ActivateConnection")); }

    NetworkManagerSimulado nm_;
    QString perfil_;
    QDBusConnection conexao_{QString()};
    std::shared_ptr<nm::DiscagemNetworkManager> servico_;
    frmTelvanor01 janela;
};

TEST_F(MotorNetworkManagerTeste, SenhaRecusadaTerminaOsRediscarComAMensagemDoMotor) {
    SenhaAcesso = "errada";
    DiscaConexão(AcessoDialUp, UsuárioAcesso, SenhaAcesso);
    EXPECT_EQ(Tique(), "Discando...");
    const QString ativa = nm_.UltimaAtiva();
    const QString uuid = nm_.UuidDoPerfil(perfil_);
    QString erro;
    nm_.PedeSegredos(conexao_.baseService(), uuid, QStringLiteral("pppoe"), 0, &erro);
    nm_.PedeSegredos(conexao_.baseService(), uuid, QStringLiteral("pppoe"), 2, &erro);
    nm_.MudaDispositivo(nm::DispositivoFalhou, 14);
    EXPECT_TRUE(TiqueAte("Desconectando..."));
    nm_.RemoveAtiva(ativa);
    EXPECT_TRUE(TiqueAte("Sem Conexão."));
    EXPECT_EQ(Caption(janela.lblCodStatus), "6");
    ASSERT_TRUE(interface->mensagens.empty());

    relogio->agora += 11min; // a clock step does not end the ten-minute hold
    janela.Timer3_Timer();
    ASSERT_EQ(interface->mensagens.size(), 1u);
    EXPECT_EQ(interface->mensagens[0].texto, "Erro interno ao discar. RetVal = 691");
    EXPECT_FALSE(RediscarLigado);
    EXPECT_EQ(Ativacoes(), 1) << "the refused password is not sent again";
}

TEST_F(MotorNetworkManagerTeste, LinhaCaidaSoERediscadaDepoisDaEspera) {
    SenhaAcesso = "certa";
    DiscaConexão(AcessoDialUp, UsuárioAcesso, SenhaAcesso);
    const QString ativa = nm_.UltimaAtiva();
    nm_.MudaAtiva(ativa, nm::AtivaAtivada, 1);
    EXPECT_TRUE(TiqueAte("Conectado."));
    relogio->Avanca(10s);
    nm_.MudaDispositivo(30, 40);
    nm_.MudaAtiva(ativa, nm::AtivaDesativada, 3);
    nm_.RemoveAtiva(ativa);
    EXPECT_TRUE(TiqueAte("Desconectando..."));
    EXPECT_TRUE(TiqueAte("Sem Conexão."));
    relogio->agora -= 1h; // a clock step back does not hold the redial for an hour

    janela.Timer3_Timer();
    EXPECT_EQ(Tique(), "Discando...") << "the dial waits its turn";
    EXPECT_EQ(Caption(janela.lblCodStatus), "0") << "listed, so the redial timer waits too";
    relogio->Avanca(4s);
    janela.Timer3_Timer();
    EXPECT_EQ(Tique(), "Discando...");
    EXPECT_EQ(Ativacoes(), 1);
    relogio->Avanca(1s);
    Tique();
    EXPECT_TRUE(NetworkManagerSimulado::Ate([&] { return Ativacoes() == 2; }));
    EXPECT_TRUE(interface->mensagens.empty());
}

} // namespace
