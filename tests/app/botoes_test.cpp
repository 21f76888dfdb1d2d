// The skin buttons and the tray menu: the redial state kept in its places, connect and disconnect,
// the mail-check requests, the dialog tabs, the links, pressed pictures and dragging.
#include "app/janela_em_linha.h"
#include "dialogs/frm_telvanor09.h"
#include "dialup/discagem.h"
#include "platform/interface/qt/mensagens.h"
#include "settings/configuracao.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace std::chrono_literals;
using namespace quelza;

using Botoes = JanelaEmLinha;

// Redial is switched on by the tray item and off by the buttons, the menu items and the dialing
// engine, and it shows the same way in every place whichever path switched it. The item marks itself
// when triggered; the button's row shows that the window clears the mark as well.
TEST_F(Botoes, RediscarLigaEDesligaEmTodosOsLugares) {
    const std::pair<const char*, std::function<void()>> caminhos[] = {
        {"img 51", [&] { janela.img_Click(51); }},
        {"itmRediscar", [&] { janela.itmRediscar->trigger(); }},
        {"itmDesconectar", [&] { janela.itmDesconectar->trigger(); }},
        {"refused dial",
         [] {
             std::string entrada = "Provedor Inexistente", usuario, senha;
             DiscaConexão(entrada, usuario, senha);
         }},
    };
    for (const auto& [caminho, desliga] : caminhos) {
        for (const bool ligado : {true, false}) {
            SCOPED_TRACE(testing::Message() << caminho << " " << ligado);
            ligado ? janela.itmRediscar->trigger() : desliga();
            EXPECT_EQ(RediscarLigado, ligado);
            EXPECT_EQ(RediscarNaTela(), ligado);
            EXPECT_EQ(janela.itmRediscar->isChecked(), ligado);
            EXPECT_EQ(janela.img[7]->isEnabled(), !ligado) << "no connect button while redial is on";
            EXPECT_EQ(janela.Timer3.Enabled(), ligado);
            EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Rediscar"), ligado ? "True" : "False");
        }
    }
}

TEST_F(Botoes, DesconectarComRediscarLigadoParaDeDiscar) {
    ASSERT_TRUE(Conecta());
    janela.img_Click(51);
    janela.img_Click(9);
    ASSERT_TRUE(PassaAte("Sem Conexão."));
    Passa(3s);
    EXPECT_EQ(Caption(janela.lblCodStatus), "6") << "the hang-up is not followed by a new dial";
}

TEST_F(Botoes, ConectarRecusado) {
    for (const bool conectado : {false, true}) {
        SCOPED_TRACE(conectado);
        DefineCaption(janela.lblAcesso, conectado ? "Provedor Simulado" : "");
        if (conectado) {
            ASSERT_TRUE(Conecta());
        }
        interface->mensagens.clear();
        janela.itmConectar->trigger();
        const Caixas::value_type esperada =
            conectado ? Caixas::value_type{"Você já está conectado", plataforma::vbOKOnly, TituloAplicacao}
                      : Caixas::value_type{"Selecione o Provedor de Acesso", plataforma::vbCritical,
                                           TituloAplicacao};
        EXPECT_EQ(interface->mensagens, Caixas{esperada});
        Passa(1s);
        EXPECT_EQ(Status(), conectado ? "Conectado." : "Sem Conexão.") << "nothing dialled";
    }
}

TEST_F(Botoes, VerificarAgoraPeloBotaoEPeloMenu) {
    janela.img[200]->DefinePicture(janela.imgX[200]);
    janela.itmVerificar->trigger();
    EXPECT_EQ(ChecarAoConectar, 0) << "offline, the menu item does nothing";
    EXPECT_EQ(janela.img[200]->Picture().Handle, janela.imgX[200].Handle);

    janela.img_Click(21);
    ASSERT_TRUE(Conecta());
    EXPECT_EQ(EmailVerificado, 1) << "offline, the button asks for a check at the next connection";

    janela.itmVerificar->trigger();
    EXPECT_EQ(EmailVerificado, 0);
    EXPECT_EQ(janela.img[200]->Picture().Handle, janela.imgX[201].Handle);
}

TEST_F(Botoes, DialogoDeConfiguracaoNaAbaCerta) {
    std::vector<std::string> abas;
    interface->aoMostrarModal = [&](QDialog& d) {
        const QTabWidget* guias = static_cast<frmTelvanor09&>(d).SSTab1;
        abas.push_back(guias->tabText(guias->currentIndex()).toStdString());
        return 0;
    };
    janela.img_Click(11);
    janela.img_Click(15);
    for (QAction* item :
         {janela.itmConfigurar, janela.itmAgendar, janela.itmConfigConexão, janela.itmConfEmail})
        item->trigger();
    EXPECT_EQ(abas, (std::vector<std::string>{"Acesso", "e-Telvanor", "e-Telvanor", "Agendamento", "Acesso",
                                              "Verificar Email"}));
}

TEST_F(Botoes, LinksDoDesenvolvedorEClienteDeEmail) {
    for (QAction* item : {janela.itmEmail, janela.quero, janela.itmCadasteme, janela.itmQueroDemo})
        item->trigger();
    janela.img_Click(200);
    const std::string para = "mailto:contato@e-telvanor.example?SUBJECT=";
    EXPECT_EQ(shell->Abertos(), (std::vector<std::string>{
                                    para + "Do Telvanor", "http://www.e-telvanor.example/", para + "Cadastro",
                                    para + "Quero um Demo para o meu Provedor", "msimn.exe"}));
    for (const auto& a : shell->aberturas)
        EXPECT_EQ(a.operacao + " " + a.pasta + " " + std::to_string(a.mostrar),
                  "Open " + pastas.Programa() + " 1");
}

TEST_F(Botoes, MenuAbertoPeloBotao) {
    janela.show();
    janela.img_Click(1);
    EXPECT_TRUE(janela.MenuBandeja().isVisible());
    EXPECT_FALSE(janela.itmRestaurar->isEnabled()) << "the window is in view: nothing to restore";
    janela.MenuBandeja().hide();
}

TEST_F(Botoes, FigurasPressionadasSoDosImparesAte25) {
    for (const auto& [i, imagem] : janela.img) {
        SCOPED_TRACE(i);
        const std::uint32_t antes = imagem->Picture().Handle;
        janela.img_MouseDown(i, {});
        EXPECT_EQ(imagem->Picture().Handle, i <= 25 ? janela.imgX[i + 1].Handle : antes);
        janela.img_MouseUp(i, {});
        EXPECT_EQ(imagem->Picture().Handle, i <= 25 ? janela.imgX[i].Handle : antes);
    }
}

TEST_F(Botoes, ArrastarAPeleMoveAJanela) {
    janela.Move(1500, 3000);
    janela.Image1_MouseDown({Qt::LeftButton, {}, 300, 450});
    janela.Image1_MouseMove({Qt::NoButton, {}, 600, 300});
    EXPECT_EQ(janela.Left(), 1800);
    EXPECT_EQ(janela.Top(), 2850);
    EXPECT_EQ(eventos->bombeamentos, 1) << "the poller keeps running during a drag";
    janela.Image1_MouseUp({Qt::LeftButton, {}, 300, 450});
    janela.Image1_MouseMove({Qt::NoButton, {}, 900, 900});
    EXPECT_EQ(janela.Left(), 1800);
    EXPECT_EQ(PosiçãoX, 0) << "the position is stored only by the exit action";
}

} // namespace
