// Start-up, the refused second start, the tray switch and the end of the program.
#include "app/diretorio_windows.h"
#include "app/frm_telvanor01.h"
#include "platform/configuracoes_usuario.h"
#include "settings/configuracao.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

namespace {

class Inicio : public AmbienteTeste {
protected:
    std::string Rediscar() { return quelza::LeIni(quelza::ArquivoConfig(), "Config", "Rediscar"); }
};

TEST_F(Inicio, SegundaInstanciaAvisaAtivaAPrimeiraESaiSemTocarNasConfiguracoes) {
    instancia->outraEmExecucao = true;
    GravaArquivo(pastas.Programa() + "/Config.ini", "[Config]\r\nRediscar=True\r\nPrimeira Vez=1\r\n");
    const std::string antes = LeArquivo(pastas.Programa() + "/Config.ini");

    frmTelvanor01 janela;
    janela.Form_Load("");

    ASSERT_EQ(interface->mensagens.size(), 1u);
    EXPECT_EQ(interface->mensagens[0].texto, "e-Telvanor já iniciado! \rVefique em sua área de trabalho ou\r"
                                             "na bandeja da sua barra de tarefas.");
    EXPECT_EQ(interface->mensagens[0].estilo, plataforma::vbOKOnly);
    EXPECT_EQ(interface->mensagens[0].titulo, "e-Telvanor 3.1 Standard");
    EXPECT_EQ(instancia->ativados, std::vector<std::string>{"e-Telvanor 3.1 Standard"});
    EXPECT_EQ(instancia->encerramentos, 1);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(LeArquivo(pastas.Programa() + "/Config.ini"), antes);
    EXPECT_TRUE(plataforma::GetAllSettings("e-Telvanor", "ini").empty());
}

TEST_F(Inicio, SoALinhaExataBandejaComecaEscondido) {
    const std::pair<const char*, bool> casos[] = {
        {"/bandeja", false}, {"/BANDEJA", true}, {"/bandeja ", true}, {"", true}, {"/bandeja x", true}};
    for (const auto& [linha, visivel] : casos) {
        frmTelvanor01 janela;
        janela.Form_Load(linha);
        EXPECT_EQ(janela.isVisible(), visivel) << '"' << linha << '"';
        janela.Form_QueryUnload();
    }
}

TEST_F(Inicio, RotulosDeAcessoETituloDaJanela) {
    frmTelvanor01 janela;
    janela.Form_Load("");
    // Without stored access the labels are empty; the caption and the close button are set.
    EXPECT_EQ(Caption(janela.lblAcesso), "");
    EXPECT_EQ(Caption(janela.lblSenha), "");
    EXPECT_EQ(janela.windowTitle().toStdString(), "e-Telvanor 3.1");
    EXPECT_TRUE(janela.img[5]->isEnabled());
    EXPECT_EQ(janela.img[51]->Picture().Handle, janela.imgX[51].Handle);
    EXPECT_EQ(quelza::DesconexãoAnunciada, 1);
    EXPECT_EQ(quelza::DiretórioSistema, pastas.Programa() + "/sistema");
}

TEST_F(Inicio, SenhaApareceComoUmAsteriscoPorCaractere) {
    quelza::SalvaAcesso("Provedor Simulado", "ana", "ação1");
    frmTelvanor01 janela;
    janela.Form_Load("");
    EXPECT_EQ(Caption(janela.lblAcesso), "Provedor Simulado");
    EXPECT_EQ(Caption(janela.lblUsuário), "ana");
    EXPECT_EQ(Caption(janela.lblSenha), "*****");
}

TEST_F(Inicio, JanelaVoltaTrintaADireitaESeiscentosECincoAbaixo) {
    {
        frmTelvanor01 janela;
        janela.Form_Load("");
        janela.Move(1500, 3000);
        janela.Sair();
        EXPECT_FALSE(janela.isVisible());
        EXPECT_EQ(instancia->encerramentos, 1);
    }
    EXPECT_EQ(plataforma::GetSetting("e-Telvanor", "ini", "X"), "1530");
    EXPECT_EQ(plataforma::GetSetting("e-Telvanor", "ini", "Y"), "3605");
    EXPECT_EQ(Rediscar(), "False");

    quelza::ReiniciaQuelza();
    frmTelvanor01 janela;
    janela.Form_Load("");
    EXPECT_EQ(janela.Left(), 1530);
    EXPECT_EQ(janela.Top(), 3600); // whole pixels: 3605 twips lands on pixel 240
}

TEST_F(Inicio, FecharPorFechamentoDaJanelaTambemDeixaRediscarFalse) {
    quelza::GravaIni(quelza::ArquivoConfig(), "Config", "Rediscar", "True");
    frmTelvanor01 janela;
    janela.Form_Load("");
    quelza::GravaIni(quelza::ArquivoConfig(), "Config", "Rediscar", "True");
    janela.close();
    EXPECT_EQ(Rediscar(), "False");
    EXPECT_EQ(instancia->encerramentos, 1);
}

TEST(DiretorioWindows, NomesConhecidosEmQualquerCaixa) {
    PastasTemporarias pastas;
    const std::pair<std::string, std::string> casos[] = {
        {"WinSys", pastas.Programa() + "/sistema"}, {"win", pastas.Programa()}, {"WINSYS32", ""}, {"", ""}};
    for (const auto& [nome, esperado] : casos) {
        std::string texto = nome;
        EXPECT_EQ(quelza::DiretórioWindows(texto), esperado) << nome;
    }
    std::string nome = "WinSys";
    quelza::DiretórioWindows(nome);
    EXPECT_EQ(nome, "WINSYS");
}

} // namespace
