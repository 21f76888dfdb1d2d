// Start-up, the refused second start, the greeting, the exit question and the ends of the program.
#include "app/frm_telvanor01.h"
#include "platform/arquivos/pastas.h"
#include "platform/discagem/ras.h"
#include "platform/nucleo/escolha_backend.h"
#include "platform/registro/configuracoes_usuario.h"
#include "settings/configuracao.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/servico_discagem_roteirizado.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {

class Inicio : public AmbienteTeste {
protected:
    Inicio() { plataforma::DefineBackend<plataforma::ServicoDiscagem>(linha); }
    ~Inicio() override { plataforma::DefineBackend<plataforma::ServicoDiscagem>(nullptr); }

    std::string Rediscar() { return quelza::LeIni(quelza::ArquivoConfig(), "Config", "Rediscar"); }
    static std::string X() { return plataforma::GetSetting("e-Telvanor", "ini", "X"); }

    static void LigaSons() {
        const std::pair<const char*, const char*> valores[] = {{"Ligado", "1"},
                                                               {"Iniciando", "1"},
                                                               {"Bom Dia", "dia.wav"},
                                                               {"Boa Tarde", "tarde.wav"},
                                                               {"Boa Noite", "noite.wav"},
                                                               {"Finalizando", "fim.wav"}};
        for (const auto& [chave, valor] : valores)
            plataforma::SaveSetting("e-Telvanor", "Som", chave, valor);
    }

    void Conecta() { linha->conexoes = {{7, "Provedor Simulado", plataforma::RASCS_Connected}}; }

    std::shared_ptr<ServicoDiscagemRoteirizado> linha = std::make_shared<ServicoDiscagemRoteirizado>();
};

TEST_F(Inicio, SegundaInstanciaAvisaAtivaAPrimeiraESaiSemTocarNasConfiguracoes) {
    instancia->outraEmExecucao = true;
    GravaArquivo(pastas.Programa() + "/Config.ini", "[Config]\r\nRediscar=True\r\nPrimeira Vez=1\r\n");
    const std::string antes = LeArquivo(pastas.Programa() + "/Config.ini");

    frmTelvanor01 janela;
    janela.Form_Load("");

    EXPECT_EQ(interface->mensagens, (Caixas{{"e-Telvanor já iniciado! \rVefique em sua área de trabalho ou\r"
                                             "na bandeja da sua barra de tarefas.",
                                             plataforma::vbOKOnly, "e-Telvanor 3.1 Standard"}}));
    EXPECT_EQ(instancia->ativados, std::vector<std::string>{"e-Telvanor 3.1 Standard"});
    EXPECT_EQ(instancia->encerramentos, 1);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(LeArquivo(pastas.Programa() + "/Config.ini"), antes);
    EXPECT_TRUE(plataforma::GetAllSettings("e-Telvanor", "ini").empty());
}

// A runtime folder another user could reach ends the start with its own message, not the claim that
// another copy runs.
TEST_F(Inicio, PastaDeExecucaoAbertaAOutrosAvisaComONomeDaPastaESai) {
    const std::string execucao = plataforma::PastaExecucao();
    ASSERT_EQ(::mkdir(execucao.c_str(), 0777), 0);
    ::chmod(execucao.c_str(), 0777);

    frmTelvanor01 janela;
    janela.Form_Load("");

    EXPECT_EQ(interface->mensagens,
              (Caixas{{"Não é possível usar a pasta " + execucao +
                           ": ela pode ser aberta por outros usuários (o modo deve ser 0700).",
                       plataforma::vbOKOnly | plataforma::vbCritical, "e-Telvanor 3.1 Standard"}}));
    EXPECT_TRUE(instancia->ativados.empty());
    EXPECT_EQ(instancia->encerramentos, 1);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_TRUE(plataforma::GetAllSettings("e-Telvanor", "ini").empty());
}

TEST_F(Inicio, SoALinhaExataBandejaComecaEscondidoComIconeNaBandeja) {
    const std::pair<const char*, bool> casos[] = {
        {"/bandeja", true}, {"/BANDEJA", false}, {"/bandeja ", false}, {"", false}, {"/bandeja x", false}};
    for (const auto& [linhaDeComando, naBandeja] : casos) {
        SCOPED_TRACE(linhaDeComando);
        frmTelvanor01 janela;
        janela.Form_Load(linhaDeComando);
        EXPECT_EQ(janela.isVisible(), !naBandeja);
        EXPECT_EQ(bandeja->Presente(janela.hWnd(), 1), naBandeja);
        if (naBandeja) {
            EXPECT_EQ(bandeja->icones.begin()->second.hIcon, janela.Picture1.Handle);
        }
        janela.Form_QueryUnload();
        bandeja->icones.clear();
    }
}

// The greeting by the hour; none with the greeting off (the closing cue's table below shows none
// without a wave device or with the cues off).
TEST_F(Inicio, SaudacaoConformeAHora) {
    LigaSons();
    const struct {
        int h, m;
        const char *iniciando, *som;
    } casos[] = {{5, 59, "1", "noite.wav"}, {6, 0, "1", "dia.wav"},     {11, 59, "1", "dia.wav"},
                 {12, 0, "1", "tarde.wav"}, {17, 59, "1", "tarde.wav"}, {18, 0, "1", "noite.wav"},
                 {0, 0, "1", "noite.wav"},  {9, 0, "0", nullptr}};
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.h << ":" << c.m << " " << c.iniciando);
        relogio->Ajusta(c.h, c.m, 30);
        plataforma::SaveSetting("e-Telvanor", "Som", "Iniciando", c.iniciando);
        som->chamadas.clear();
        frmTelvanor01 janela;
        janela.Form_Load("");
        EXPECT_EQ(som->Tocados(), c.som ? std::vector<std::string>{c.som} : std::vector<std::string>{});
        if (c.som) {
            EXPECT_EQ(som->chamadas.at(0).opcoes, 0x20003u);
        }
        quelza::ReiniciaQuelza();
    }
}

// The closing cue and its one-second pause only with a wave device and the cues on; a first start
// turns the cues and the greeting on.
TEST_F(Inicio, SomDeFechamentoEsperaUmSegundoSoComDispositivoESonsLigados) {
    relogio->Ajusta(9, 30);
    const std::string p = pastas.Programa();
    const struct {
        bool primeiraVez;
        std::uint32_t dispositivos;
        const char* ligado;
        std::vector<std::string> tocados;
    } casos[] = {{true, 0, "", {}},
                 {true, 1, "", {p + "/e-bomdia.wav", p + "/e-fim.wav"}},
                 {false, 1, "1", {"dia.wav", "fim.wav"}},
                 {false, 1, "0", {}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.primeiraVez << c.dispositivos << c.ligado);
        if (c.primeiraVez) {
            GravaArquivo(p + "/Config.ini", "[Config]\r\nPrimeira Vez=1\r\n");
        } else {
            LigaSons();
            plataforma::SaveSetting("e-Telvanor", "Som", "Ligado", c.ligado);
        }
        quelza::ReiniciaQuelza();
        som->chamadas.clear();
        som->dispositivos = c.dispositivos;
        eventos->dormido = 0;
        frmTelvanor01 janela;
        janela.Form_Load("");
        janela.Form_QueryUnload();
        EXPECT_EQ(som->Tocados(), c.tocados);
        EXPECT_EQ(eventos->dormido, c.tocados.empty() ? 0u : 1000u);
    }
}

TEST_F(Inicio, SairConectadoPerguntaSeDesconecta) {
    const Caixas::value_type pergunta{"Deseja DESCONECTAR também?",
                                      plataforma::vbYesNoCancel | plataforma::vbCritical, "e-Telvanor 3.1"};
    const Caixas::value_type aviso{"CUIDADO! Você permanecerá CONECTADO.", plataforma::vbCritical,
                                   "e-Telvanor 3.1"};
    const struct {
        int resposta;
        bool desliga, encerra;
        Caixas mensagens;
    } casos[] = {{plataforma::vbYes, true, true, {pergunta}},
                 {plataforma::vbNo, false, true, {pergunta, aviso}},
                 {plataforma::vbCancel, false, false, {pergunta}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.resposta);
        Conecta();
        linha->desligamentos.clear();
        interface->mensagens.clear();
        instancia->encerramentos = 0;
        interface->respostas = {c.resposta};
        frmTelvanor01 janela;
        janela.Form_Load("");
        janela.Move(600, 900);
        janela.Sair();

        EXPECT_EQ(interface->mensagens, c.mensagens);
        EXPECT_EQ(!linha->desligamentos.empty(), c.desliga);
        EXPECT_EQ(instancia->encerramentos, c.encerra ? 1 : 0);
        EXPECT_EQ(janela.isVisible(), !c.encerra);
        EXPECT_EQ(X(), c.encerra ? "630" : "");
        plataforma::DeleteSetting("e-Telvanor", "ini");
        quelza::ReiniciaQuelza();
    }
}

// The access as stored and read back: the password keeps its blanks.
TEST_F(Inicio, RotulosDoAcessoGuardado) {
    quelza::SalvaAcesso("Provedor Ação", "ana", " ação1 ");
    frmTelvanor01 janela;
    janela.Form_Load("");
    EXPECT_EQ(Caption(janela.lblAcesso), "Provedor Ação");
    EXPECT_EQ(Caption(janela.lblUsuário), "ana");
    EXPECT_EQ(Caption(janela.lblSenha), "*******") << "one asterisk per character";
    EXPECT_EQ(quelza::SenhaAcesso, " ação1 ");
    EXPECT_EQ(quelza::DesconexãoAnunciada, 1);
    EXPECT_EQ(quelza::DiretórioSistema, pastas.Programa() + "/sistema");
}

// Every end leaves "Rediscar" False; the exit action and the desktop's close keep the position
// 30 twips right and 605 down, while a SIGTERM unloads connected without a question or a position.
TEST_F(Inicio, CadaFimDeixaRediscarFalso) {
    const struct {
        const char* nome;
        std::function<void(frmTelvanor01&)> termina;
        const char *x, *y;
    } casos[] = {{"Sair", [](frmTelvanor01& j) { j.Sair(); }, "1530", "3605"},
                 {"close", [](frmTelvanor01& j) { j.close(); }, "1530", "3605"},
                 {"Descarrega", [](frmTelvanor01& j) { j.Descarrega(); }, "", ""}};
    int encerramentos = 0;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        plataforma::DeleteSetting("e-Telvanor", "ini");
        quelza::ReiniciaQuelza();
        if (!*c.x)
            Conecta();
        frmTelvanor01 janela;
        janela.Form_Load("");
        janela.Move(1500, 3000);
        quelza::GravaIni(quelza::ArquivoConfig(), "Config", "Rediscar", "True");
        c.termina(janela);
        EXPECT_EQ(Rediscar(), "False");
        EXPECT_EQ(instancia->encerramentos, ++encerramentos);
        EXPECT_EQ(X(), c.x);
        EXPECT_EQ(plataforma::GetSetting("e-Telvanor", "ini", "Y"), c.y);
    }
    EXPECT_TRUE(interface->mensagens.empty());
    EXPECT_TRUE(linha->desligamentos.empty());

    plataforma::SaveSetting("e-Telvanor", "ini", "X", "1530");
    plataforma::SaveSetting("e-Telvanor", "ini", "Y", "3605");
    quelza::ReiniciaQuelza();
    frmTelvanor01 janela;
    janela.Form_Load("");
    EXPECT_EQ(janela.Left(), 1530);
    EXPECT_EQ(janela.Top(), 3600); // whole pixels: 3605 twips lands on pixel 240
}

} // namespace
