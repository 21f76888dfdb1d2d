// Start-up, the refused second start, the tray switch and the end of the program.
#include "app/diretorio_windows.h"
#include "app/frm_telvanor01.h"
#include "platform/configuracoes_usuario.h"
#include "platform/qt/bandeja.h"
#include "platform/qt/som.h"
#include "platform/ras.h"
#include "settings/configuracao.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/bandeja_registrada.h"
#include "support/servico_discagem_roteirizado.h"
#include "support/som_registrado.h"

#include <gtest/gtest.h>

namespace {

class Inicio : public AmbienteTeste {
protected:
    Inicio() {
        plataforma::DefineSom(som);
        plataforma::DefineBandeja(bandeja);
        plataforma::DefineServicoDiscagem(linha);
    }
    ~Inicio() override {
        plataforma::DefineSom(nullptr);
        plataforma::DefineBandeja(nullptr);
        plataforma::DefineServicoDiscagem(nullptr);
    }

    std::string Rediscar() { return quelza::LeIni(quelza::ArquivoConfig(), "Config", "Rediscar"); }

    // Cues on, each greeting with its own path.
    static void LigaSons() {
        plataforma::SaveSetting("e-Telvanor", "Som", "Ligado", "1");
        plataforma::SaveSetting("e-Telvanor", "Som", "Iniciando", "1");
        plataforma::SaveSetting("e-Telvanor", "Som", "Bom Dia", "dia.wav");
        plataforma::SaveSetting("e-Telvanor", "Som", "Boa Tarde", "tarde.wav");
        plataforma::SaveSetting("e-Telvanor", "Som", "Boa Noite", "noite.wav");
        plataforma::SaveSetting("e-Telvanor", "Som", "Finalizando", "fim.wav");
    }

    void Conecta() { linha->conexoes = {{7, "Provedor Simulado", plataforma::RASCS_Connected, 0}}; }

    std::shared_ptr<SomRegistrado> som = std::make_shared<SomRegistrado>();
    std::shared_ptr<BandejaRegistrada> bandeja = std::make_shared<BandejaRegistrada>();
    std::shared_ptr<ServicoDiscagemRoteirizado> linha = std::make_shared<ServicoDiscagemRoteirizado>();
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

TEST_F(Inicio, SoALinhaExataBandejaComecaEscondidoComIconeNaBandeja) {
    const std::pair<const char*, bool> casos[] = {
        {"/bandeja", true}, {"/BANDEJA", false}, {"/bandeja ", false}, {"", false}, {"/bandeja x", false}};
    for (const auto& [linhaDeComando, naBandeja] : casos) {
        frmTelvanor01 janela;
        janela.Form_Load(linhaDeComando);
        EXPECT_EQ(janela.isVisible(), !naBandeja) << '"' << linhaDeComando << '"';
        EXPECT_EQ(bandeja->Presente(janela.hWnd(), 1), naBandeja) << '"' << linhaDeComando << '"';
        if (naBandeja) {
            EXPECT_EQ(bandeja->icones.begin()->second.hIcon, janela.Picture1.Handle);
        }
        janela.Form_QueryUnload();
        bandeja->icones.clear();
    }
}

TEST_F(Inicio, SaudacaoConformeAHora) {
    LigaSons();
    const struct {
        int h, m;
        const char* som;
    } casos[] = {{5, 59, "noite.wav"},  {6, 0, "dia.wav"},    {11, 59, "dia.wav"},   {12, 0, "tarde.wav"},
                 {17, 59, "tarde.wav"}, {18, 0, "noite.wav"}, {23, 59, "noite.wav"}, {0, 0, "noite.wav"}};
    for (const auto& caso : casos) {
        relogio->Ajusta(caso.h, caso.m, 30);
        som->chamadas.clear();
        frmTelvanor01 janela;
        janela.Form_Load("");
        EXPECT_EQ(som->Tocados(), std::vector<std::string>{caso.som}) << caso.h << ":" << caso.m;
        EXPECT_EQ(som->chamadas.at(0).opcoes, 0x20003u);
        quelza::ReiniciaQuelza();
    }
}

TEST_F(Inicio, SemSaudacaoSemDispositivoOuComSonsDesligados) {
    LigaSons();
    relogio->Ajusta(9, 0);
    const struct {
        std::uint32_t dispositivos;
        const char* ligado;
        const char* iniciando;
    } casos[] = {{0, "1", "1"}, {1, "0", "1"}, {1, "1", "0"}};
    for (const auto& caso : casos) {
        som->dispositivos = caso.dispositivos;
        plataforma::SaveSetting("e-Telvanor", "Som", "Ligado", caso.ligado);
        plataforma::SaveSetting("e-Telvanor", "Som", "Iniciando", caso.iniciando);
        som->chamadas.clear();
        frmTelvanor01 janela;
        janela.Form_Load("");
        EXPECT_TRUE(som->chamadas.empty()) << caso.dispositivos << caso.ligado << caso.iniciando;
        quelza::ReiniciaQuelza();
    }
}

TEST_F(Inicio, SomDeFechamentoEsperaUmSegundoSoComSonsLigados) {
    LigaSons();
    {
        frmTelvanor01 janela;
        janela.Form_Load("");
        som->chamadas.clear();
        janela.Sair();
        EXPECT_EQ(som->Tocados(), std::vector<std::string>{"fim.wav"});
        EXPECT_EQ(eventos->dormido, 1000u);
    }
    plataforma::SaveSetting("e-Telvanor", "Som", "Ligado", "0");
    quelza::ReiniciaQuelza();
    eventos->dormido = 0;
    frmTelvanor01 janela;
    janela.Form_Load("");
    som->chamadas.clear();
    janela.Sair();
    EXPECT_TRUE(som->chamadas.empty());
    EXPECT_EQ(eventos->dormido, 0u);
}

TEST_F(Inicio, SairConectadoPerguntaSeDesconecta) {
    const struct {
        int resposta;
        bool desliga;
        bool encerra;
        std::size_t mensagens;
    } casos[] = {{plataforma::vbYes, true, true, 1},
                 {plataforma::vbNo, false, true, 2},
                 {plataforma::vbCancel, false, false, 1}};
    for (const auto& caso : casos) {
        Conecta();
        linha->desligamentos.clear();
        interface->mensagens.clear();
        instancia->encerramentos = 0;
        interface->respostas = {caso.resposta};
        frmTelvanor01 janela;
        janela.Form_Load("");
        janela.Move(600, 900);
        janela.Sair();

        ASSERT_EQ(interface->mensagens.size(), caso.mensagens) << caso.resposta;
        EXPECT_EQ(interface->mensagens[0].texto, "Deseja DESCONECTAR também?");
        EXPECT_EQ(interface->mensagens[0].estilo, plataforma::vbYesNoCancel | plataforma::vbCritical);
        EXPECT_EQ(interface->mensagens[0].titulo, "e-Telvanor 3.1");
        if (caso.mensagens == 2) {
            EXPECT_EQ(interface->mensagens[1].texto, "CUIDADO! Você permanecerá CONECTADO.");
            EXPECT_EQ(interface->mensagens[1].estilo, plataforma::vbCritical);
        }
        EXPECT_EQ(!linha->desligamentos.empty(), caso.desliga) << caso.resposta;
        EXPECT_EQ(instancia->encerramentos, caso.encerra ? 1 : 0) << caso.resposta;
        // Cancel leaves everything as it was, the window included.
        EXPECT_EQ(janela.isVisible(), !caso.encerra) << caso.resposta;
        EXPECT_EQ(plataforma::GetSetting("e-Telvanor", "ini", "X"), caso.encerra ? "630" : "")
            << caso.resposta;
        plataforma::DeleteSetting("e-Telvanor", "ini");
        quelza::ReiniciaQuelza();
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

TEST_F(Inicio, FechamentoPeloAmbienteEASaidaEODesligamentoDoSistemaSoDescarrega) {
    {
        frmTelvanor01 janela;
        janela.Form_Load("");
        janela.Move(600, 900);
        quelza::GravaIni(quelza::ArquivoConfig(), "Config", "Rediscar", "True");
        janela.close();
        EXPECT_EQ(Rediscar(), "False");
        EXPECT_EQ(instancia->encerramentos, 1);
        EXPECT_EQ(plataforma::GetSetting("e-Telvanor", "ini", "X"), "630");
    }
    plataforma::DeleteSetting("e-Telvanor", "ini");
    Conecta();
    frmTelvanor01 janela;
    janela.Form_Load("");
    quelza::GravaIni(quelza::ArquivoConfig(), "Config", "Rediscar", "True");
    janela.Descarrega();
    EXPECT_EQ(Rediscar(), "False");
    EXPECT_EQ(instancia->encerramentos, 2);
    EXPECT_TRUE(interface->mensagens.empty());
    EXPECT_EQ(plataforma::GetSetting("e-Telvanor", "ini", "X"), "");
    EXPECT_TRUE(linha->desligamentos.empty());
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
