// The skin buttons and the tray menu: the redial state kept in its three places, connect and
// disconnect, the mail-check requests, the dialog tabs, the links, pressed pictures and dragging.
#include "app/janela_em_linha.h"
#include "dialogs/frm_telvanor09.h"
#include "platform/qt/mensagens.h"
#include "settings/configuracao.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace std::chrono_literals;
using namespace quelza;

class Botoes : public JanelaEmLinha {
protected:
    // The redial state as each of its three places shows it, and as stored.
    void EsperaRediscar(bool ligado) {
        EXPECT_EQ(RediscarLigado, ligado);
        EXPECT_EQ(RediscarNaTela(), ligado);
        EXPECT_EQ(janela.itmRediscar->isChecked(), ligado);
        EXPECT_EQ(janela.img[7]->isEnabled(), !ligado);
        EXPECT_EQ(janela.Timer3.Enabled(), ligado);
        EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Rediscar"), ligado ? "True" : "False");
    }
};

TEST_F(Botoes, RediscarLigaEDesligaNosTresLugares) {
    struct Caso {
        const char* nome;
        std::function<void()> desliga;
    };
    const Caso casos[] = {
        {"botão de rediscar", [&] { janela.img_Click(51); }},
        {"botão desconectar", [&] { janela.img_Click(9); }},
        {"item Rediscar", [&] { janela.itmRediscar->trigger(); }},
        {"item Desconectar", [&] { janela.itmDesconectar->trigger(); }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        janela.itmRediscar->trigger();
        EsperaRediscar(true);
        c.desliga();
        EsperaRediscar(false);
    }
}

TEST_F(Botoes, DesconectarComRediscarLigadoParaDeDiscar) {
    janela.img_Click(51);
    janela.img_Click(9);
    Passa(3s);
    EXPECT_EQ(Status(), "Sem Conexão.");
    EXPECT_EQ(Caption(janela.lblCodStatus), "6");

    ASSERT_TRUE(Conecta());
    janela.img_Click(51);
    Passa(1s);
    janela.img_Click(9);
    ASSERT_TRUE(PassaAte("Sem Conexão."));
    Passa(3s);
    EXPECT_EQ(Status(), "Sem Conexão.") << "the hang-up is not followed by a new dial";
    EXPECT_TRUE(interface->mensagens.empty());
}

TEST_F(Botoes, RediscarLigadoConectadoSoDiscaDepoisDaQueda) {
    ASSERT_TRUE(Conecta());
    janela.img_Click(51);
    Passa(2s);
    EXPECT_TRUE(interface->mensagens.empty()) << "no dial while connected";
    Derruba();
    ASSERT_TRUE(PassaAte("Sem Conexão."));
    Passa(300ms);
    EXPECT_NE(Status(), "Conectado.");
    EXPECT_TRUE(PassaAte("Conectado."));
}

TEST_F(Botoes, ConectarRecusado) {
    struct Caso {
        const char* acesso;
        bool conectadoAntes;
        const char* texto;
        int estilo;
    };
    const Caso casos[] = {
        {"", false, "Selecione o Provedor de Acesso", plataforma::vbOKOnly | plataforma::vbCritical},
        {"Provedor Simulado", true, "Você já está conectado", plataforma::vbOKOnly},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        DefineCaption(janela.lblAcesso, c.acesso);
        if (c.conectadoAntes) {
            ASSERT_TRUE(Conecta());
        }
        interface->mensagens.clear();
        janela.itmConectar->trigger();
        ASSERT_EQ(interface->mensagens.size(), 1u);
        EXPECT_EQ(interface->mensagens[0].texto, c.texto);
        EXPECT_EQ(interface->mensagens[0].estilo, c.estilo);
        EXPECT_EQ(interface->mensagens[0].titulo, TituloAplicacao);
        Passa(1s);
        EXPECT_EQ(Status(), c.conectadoAntes ? "Conectado." : "Sem Conexão.") << "nothing dialled";
    }
}

TEST_F(Botoes, VerificarAgoraPeloBotaoEPeloMenu) {
    // Offline, the button asks for a check when the next connection comes up; the menu does nothing.
    janela.img[200]->DefinePicture(janela.imgX[200]);
    janela.itmVerificar->trigger();
    EXPECT_EQ(ChecarAoConectar, 0);
    EXPECT_EQ(janela.img[200]->Picture().Handle, janela.imgX[200].Handle);

    janela.img_Click(21);
    EXPECT_EQ(ChecarAoConectar, 1);
    ASSERT_TRUE(Conecta());
    EXPECT_EQ(EmailVerificado, 1);

    // Online, the menu clears the mail indicator and asks for one more check.
    janela.itmVerificar->trigger();
    EXPECT_EQ(EmailVerificado, 0);
    EXPECT_EQ(janela.img[200]->Picture().Handle, janela.imgX[201].Handle);
    Passa(100ms);
    EXPECT_EQ(EmailVerificado, 1);
}

TEST_F(Botoes, DialogoDeConfiguracaoNaAbaCerta) {
    int aba = -1;
    interface->aoMostrarModal = [&](QDialog& d) {
        auto* dialogo = dynamic_cast<frmTelvanor09*>(&d);
        aba = dialogo ? dialogo->SSTab1->currentIndex() : -2;
        return 0;
    };
    struct Caso {
        const char* nome;
        std::function<void()> abre;
        int aba;
    };
    const Caso casos[] = {
        {"Configurações", [&] { janela.img_Click(11); }, 0},
        {"Sobre", [&] { janela.img_Click(15); }, 5},
        {"Configurar", [&] { janela.itmConfigurar->trigger(); }, 5},
        {"Agendar", [&] { janela.itmAgendar->trigger(); }, 2},
        {"Configurar Conexão", [&] { janela.itmConfigConexão->trigger(); }, 0},
        {"Configurar E-mail", [&] { janela.itmConfEmail->trigger(); }, 1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        aba = -1;
        c.abre();
        EXPECT_EQ(aba, c.aba);
    }
    EXPECT_EQ(interface->modais, 6);
}

TEST_F(Botoes, LinksDoDesenvolvedorEClienteDeEmail) {
    janela.itmEmail->trigger();
    janela.quero->trigger();
    janela.itmCadasteme->trigger();
    janela.itmQueroDemo->trigger();
    janela.img_Click(200);
    EXPECT_EQ(shell->Abertos(),
              (std::vector<std::string>{
                  "mailto:contato@e-telvanor.example?SUBJECT=Do Telvanor",
                  "http://www.e-telvanor.example/",
                  "mailto:contato@e-telvanor.example?SUBJECT=Cadastro",
                  "mailto:contato@e-telvanor.example?SUBJECT=Quero um Demo para o meu Provedor",
                  "msimn.exe",
              }));
    for (const auto& a : shell->aberturas) {
        EXPECT_EQ(a.operacao, "Open");
        EXPECT_EQ(a.parametros, "");
        EXPECT_EQ(a.pasta, pastas.Programa());
        EXPECT_EQ(a.mostrar, 1);
    }
}

TEST_F(Botoes, MenuNaOrdemComRestaurarPorPadrao) {
    const std::vector<std::string> esperado = {
        "Restaurar",
        "Ajuda",
        "Conectar",
        "Desconectar",
        "Rediscar",
        "Configurar",
        "Verificar E-mail Agora",
        "-",
        "Agendar",
        "Configurar Conexão",
        "Configurar E-mail",
        "-",
        "E-mail do Desenvolvedor",
        "Home Page do Desenvolvedor",
        "-",
        "Cadastre-me na Quelza",
        "Quero Demo para meu Provedor",
        "-",
        "Fechar",
    };
    std::vector<std::string> itens;
    for (QAction* a : janela.mnuBandeja.actions())
        itens.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    EXPECT_EQ(itens, esperado);
    EXPECT_EQ(janela.mnuBandeja.title().toStdString(), "Na Bandeja");

    janela.show();
    janela.img_Click(1);
    EXPECT_TRUE(janela.mnuBandeja.isVisible());
    EXPECT_EQ(janela.mnuBandeja.defaultAction(), janela.itmRestaurar);
    EXPECT_FALSE(janela.itmRestaurar->isEnabled()) << "greyed: the window is already in view";
    EXPECT_TRUE(janela.itmRestaurar->font().bold());
    janela.mnuBandeja.hide();
}

TEST_F(Botoes, ParaABandejaEAjuda) {
    janela.show();
    janela.img_Click(3);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_TRUE(bandeja->Presente(janela.hWnd(), 1));

    janela.itmAjuda->trigger();
    QCoreApplication::sendPostedEvents(&janela);
    bool visor = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &janela && w->isVisible() && w->inherits("QTextBrowser")) {
            visor = true;
            w->close();
        }
    EXPECT_TRUE(visor) << "the help key opened the viewer";
}

TEST_F(Botoes, FigurasPressionadasDosImpares) {
    for (const auto& [i, imagem] : janela.img) {
        SCOPED_TRACE(i);
        const bool temPressionada = i <= 25;
        const std::uint32_t antes = imagem->Picture().Handle;
        janela.img_MouseDown(i, {});
        EXPECT_EQ(imagem->Picture().Handle, temPressionada ? janela.imgX[i + 1].Handle : antes);
        janela.img_MouseUp(i, {});
        EXPECT_EQ(imagem->Picture().Handle, temPressionada ? janela.imgX[i].Handle : antes);
    }
}

TEST_F(Botoes, ArrastarAPeleMoveAJanela) {
    janela.Move(1500, 3000);
    janela.Image1_MouseDown({Qt::LeftButton, {}, 300, 450});
    EXPECT_TRUE(janela.Arrastando);
    eventos->bombeamentos = 0;
    janela.Image1_MouseMove({Qt::NoButton, {}, 600, 300});
    EXPECT_EQ(janela.Left(), 1800);
    EXPECT_EQ(janela.Top(), 2850);
    EXPECT_EQ(eventos->bombeamentos, 1) << "the poller keeps running during a drag";
    // The mouse now stands where the drag began, relative to the moved skin.
    janela.Image1_MouseMove({Qt::NoButton, {}, 300, 450});
    EXPECT_EQ(janela.Left(), 1800);
    EXPECT_EQ(janela.Top(), 2850);

    janela.Image1_MouseUp({Qt::LeftButton, {}, 300, 450});
    EXPECT_FALSE(janela.Arrastando);
    janela.Image1_MouseMove({Qt::NoButton, {}, 900, 900});
    EXPECT_EQ(janela.Left(), 1800);
    EXPECT_EQ(eventos->bombeamentos, 2);
    EXPECT_EQ(PosiçãoX, 0) << "the position is stored only by the exit action";
}

} // namespace
