// The configuration dialog: what each tab shows at load, what its handlers enable and refill, and
// the exact values "&Aplicar" writes for the tab in front, and only for it; texts the code page
// lacks, refused where they would be scrambled and kept elsewhere.
#include "app/frm_telvanor01.h"
#include "dialogs/frm_telvanor09.h"
#include "platform/registro/configuracoes_usuario.h"
#include "platform/texto/cp1252.h"
#include "settings/configuracao.h"
#include "settings/embaralha.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/colmeia_lida.h"
#include "support/gravacao_recusada.h"

#include <QApplication>
#include <QKeyEvent>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace quelza;

const std::string Main = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";
const std::string Politica =
    "HKEY_USERS\\.Default\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
const std::string ChaveRun = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string Arquivo(const char* secao, const char* chave) { return LeIni(ArquivoConfig(), secao, chave); }
std::string Usuario(const char* secao, const char* chave) {
    return plataforma::GetSetting(AplicacaoConfiguracoes, secao, chave, "(ausente)");
}
// A text value of the registry as the program wrote it, without its NUL.
std::string Registro(const std::string& chave, const char* nome) {
    const auto valor = LeValorRegistro(chave, nome);
    if (!valor)
        return "(ausente)";
    std::string dados = valor->dados;
    if (!dados.empty() && dados.back() == '\0')
        dados.pop_back();
    return dados;
}

// Types the text key by key, as the keyboard would.
void Digita(QWidget* caixa, const char* texto) {
    for (const char* c = texto; *c; ++c) {
        QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(*c)));
        QApplication::sendEvent(caixa, &tecla);
    }
}

class Configuracao : public AmbienteTeste {
protected:
    Configuracao() { Sons(); }

    // The cues the program holds before each test, and before each case of the sound tab's table.
    static void Sons() {
        SomBomDia = "/sons/dia.wav";
        SomBoaTarde = "/sons/tarde.wav";
        SomBoaNoite = "/sons/noite.wav";
        SomFinalizando = "/sons/fim.wav";
        SomTemEmail = "";
        SomConectado = "  ";
        SomDesconectado = "/sons/caiu.wav";
        SomIniciando = 1;
        SomLigado = 1;
    }

    frmTelvanor09& Abre(int aba) {
        dialogo = std::make_unique<frmTelvanor09>();
        dialogo->SSTab1->setCurrentIndex(aba);
        return *dialogo;
    }

    frmTelvanor01 janela;
    std::unique_ptr<frmTelvanor09> dialogo;
};

TEST_F(Configuracao, CarregaAsAbasDasVariaveis) {
    AcessoDialUp = "Fora da Lista";
    UsuárioAcesso = "ana";
    SenhaAcesso = "segredo";
    TempoDeEspera = 30;
    AgendarConexão = 0;
    AgendarDesconexão = 1;
    HoraConexão = HoraDoDia::De(7, 45, 12);
    frmTelvanor09& d = Abre(0);

    EXPECT_EQ(d.cmbAcesso->currentText(), "Fora da Lista");
    EXPECT_EQ(d.txtUsuário->text(), "ana");
    EXPECT_EQ(d.txtSenha->text(), "segredo");
    EXPECT_EQ(d.txtSegundos->text(), "30");
    EXPECT_EQ(d.DTPicker1->time(), QTime(7, 45, 12));
    for (QWidget* w : std::initializer_list<QWidget*>{d.DTPicker1, d.Text2, d.cmdLocalizar})
        EXPECT_FALSE(w->isEnabled()) << "disabled until Check5 is checked";
    for (QWidget* w : std::initializer_list<QWidget*>{d.DTPicker2, d.Check3, d.Check4})
        EXPECT_TRUE(w->isEnabled());
    d.Check5->click();
    for (QWidget* w : std::initializer_list<QWidget*>{d.DTPicker1, d.Text2, d.cmdLocalizar})
        EXPECT_TRUE(w->isEnabled());
    d.Check2->click();
    EXPECT_FALSE(d.Check3->isEnabled());
}

// The lock and the start with the session read their text as a whole number, halves to the even
// one (the rounding itself: LeNumero's test); the lock is on when that is not 0, the start when 1.
TEST_F(Configuracao, CaixasDeMarcarLeemONumeroInteiro) {
    const struct {
        const char* texto;
        bool travada, iniciar;
    } casos[] = {{"0.5", false, false}, {"0.6", true, true}, {"1.5", true, false}, {"x", false, false}};
    for (const auto& c : casos) {
        PáginaTravada = IniciarComWindows = c.texto;
        frmTelvanor09& d = Abre(0);
        EXPECT_EQ(d.chkTravaPáginaInicial->isChecked(), c.travada) << c.texto;
        EXPECT_EQ(d.chkIniciarComWindows->isChecked(), c.iniciar) << c.texto;
    }
}

TEST_F(Configuracao, AbaAcessoGravaEmbaralhadoEMostraNaJanela) {
    frmTelvanor09& d = Abre(frmTelvanor09::AbaAcesso);
    d.cmbAcesso->setEditText("Minha Linha");
    d.txtUsuário->setText("joana");
    d.txtSenha->setText(QString::fromUtf8("abçd€"));
    d.cmdAplicar_Click();

    EXPECT_EQ(Caption(janela.lblAcesso), "Minha Linha");
    EXPECT_EQ(Caption(janela.lblUsuário), "joana");
    EXPECT_EQ(Caption(janela.lblSenha), "*****");
    const std::pair<const char*, const char*> gravados[] = {
        {"DialUp", "Minha Linha"}, {"Usuário", "joana"}, {"Senha", "abçd€"}};
    for (const auto& [chave, valor] : gravados) {
        const std::string guardado = Usuario("Acesso", chave);
        EXPECT_NE(guardado, valor) << chave << " is stored scrambled";
        EXPECT_EQ(Desembaralha(guardado, ChaveCredenciais), valor) << chave;
    }
    // The code page's own characters come back from the file.
    SenhaAcesso.clear();
    CarregaAcesso();
    EXPECT_EQ(SenhaAcesso, "abçd€");
}

TEST_F(Configuracao, AbaAcessoRecusaCaractereSemCodigoEFicaAberta) {
    AcessoDialUp = "Antiga";
    for (const auto& [campo, acesso, usuario, senha] :
         std::initializer_list<std::tuple<const char*, const char*, const char*, const char*>>{
             {"Senha", "Minha Linha", "joana", "senhał€"},
             {"Usuário", "Minha Linha", "jo日", "senha"},
             {"Acesso", "Linha Ω", "joana", "senhał€"}}) {
        SCOPED_TRACE(campo);
        interface->mensagens.clear();
        frmTelvanor09& d = Abre(frmTelvanor09::AbaAcesso);
        d.show();
        d.cmbAcesso->setEditText(QString::fromUtf8(acesso));
        d.txtUsuário->setText(QString::fromUtf8(usuario));
        d.txtSenha->setText(QString::fromUtf8(senha));
        d.cmdOK_Click();
        ASSERT_EQ(interface->mensagens.size(), 1u);
        EXPECT_THAT(interface->mensagens[0].texto,
                    ::testing::StartsWith(std::string("O campo \"") + campo + "\" contém \""));
        EXPECT_THAT(interface->mensagens[0].texto, ::testing::EndsWith("O acesso não foi gravado."));
        EXPECT_TRUE(d.isVisible()) << "the tab stays in front to be mended";
        EXPECT_EQ(Usuario("Acesso", "Senha"), "(ausente)");
        EXPECT_EQ(AcessoDialUp, "Antiga");
        EXPECT_EQ(Caption(janela.lblSenha), "");
    }
}

TEST_F(Configuracao, AbaEmailGravaNumerosAlinhadosELigaOTemporizador) {
    const struct {
        bool sempre;
        const char* minutos;
        const char* segundos;
        const char* periodoGravado;
        bool temporizador;
        bool aviso;
    } casos[] = {
        {false, "15", "20", " 0", false, false},
        {true, "15", "20", " 15", true, true},
        {true, "", "", " 7", true, true}, // empty boxes are put back to the values in effect
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.periodoGravado);
        ChecarPeriodicamente = 7;
        TempoDeEspera = 45;
        ChecarAoConectar = 0;
        AvisarNovoEmail = c.aviso ? 0 : 1;
        janela.tmrEmail.Enabled(!c.temporizador);
        frmTelvanor09& d = Abre(frmTelvanor09::AbaEmail);
        EXPECT_EQ(d.chkAvisar->isChecked(), !c.aviso);
        d.chkAvisar->setChecked(c.aviso);
        d.chkChecarPop3->setChecked(true);
        d.chkSempre->setChecked(c.sempre);
        d.txtMinutos->setText(c.minutos);
        d.txtSegundos->setText(c.segundos);
        d.cmdAplicar_Click();

        EXPECT_EQ(janela.tmrEmail.Enabled(), c.temporizador);
        const std::string segundos = *c.segundos ? c.segundos : "45";
        const std::string arquivo = LeArquivo(ArquivoConfig());
        for (const std::string& linha :
             {std::string("Cheque ao Conectar= 1"), std::string("Checar Periodicamente=") + c.periodoGravado,
              "Tempo de Espera= " + segundos, std::string("Avisar Novo Email= ") + (c.aviso ? "1" : "0")})
            EXPECT_NE(arquivo.find(linha + "\r\n"), std::string::npos) << linha;
        EXPECT_EQ(d.txtSegundos->text().toStdString(), segundos);
    }
}

// Seconds take 0 to 32767, minutes 1 to 32767: a period of 0 would never fire.
TEST_F(Configuracao, CaixasDeNumeroRecusamOQueNaoEInteiroNaFaixa) {
    frmTelvanor09& d = Abre(frmTelvanor09::AbaEmail);
    const struct {
        const char *digitado, *segundos, *minutos;
    } casos[] = {{"12a", "12", "12"},       {"-5", "5", "5"},    {"32767", "32767", "32767"},
                 {"40000", "4000", "4000"}, {"1.5", "15", "15"}, {"0", "0", ""},
                 {"05", "05", "5"}};
    for (const auto& c : casos) {
        for (const auto& [caixa, fica] : {std::pair{d.txtSegundos, c.segundos}, {d.txtMinutos, c.minutos}}) {
            caixa->setEnabled(true);
            caixa->clear();
            Digita(caixa, c.digitado);
            EXPECT_EQ(caixa->text().toStdString(), fica) << c.digitado;
        }
    }

    // Checked with no period in effect, the box offers one minute, and an emptied box stores it.
    for (const char* digitado : {"", "3"}) {
        ChecarPeriodicamente = 0;
        frmTelvanor09& e = Abre(frmTelvanor09::AbaEmail);
        e.chkSempre->click();
        EXPECT_EQ(e.txtMinutos->text(), "1");
        e.txtMinutos->clear();
        Digita(e.txtMinutos, digitado);
        e.cmdAplicar_Click();
        EXPECT_EQ(ChecarPeriodicamente, *digitado ? 3 : 1) << digitado;
        EXPECT_EQ(Arquivo("Pop3", "Checar Periodicamente"), *digitado ? "3" : "1") << digitado;
    }
}

TEST_F(Configuracao, AbaAgendamentoGravaNaOrdemComAsHoras) {
    frmTelvanor09& d = Abre(frmTelvanor09::AbaAgendamento);
    d.Check5->click();
    d.DTPicker1->setTime(QTime(6, 30, 15));
    d.Text2->setText(" /usr/bin/programa ");
    d.DTPicker2->setTime(QTime(23, 5));
    d.Check3->setChecked(true);
    d.cmdAplicar_Click();

    // "Desligar Computador" is stored although its check box is disabled.
    const std::string esperado = "[Config]\r\n"
                                 "Agendar Conexão= 1\r\n"
                                 "Hora da Conexão=06:30:15\r\n"
                                 "Executar= /usr/bin/programa \r\n"
                                 "Agendar Desconexão= 0\r\n"
                                 "Hora da Desconexão=23:05:00\r\n"
                                 "Não Deixar Agendado= 0\r\n"
                                 "Desligar Computador= 1\r\n";
    EXPECT_EQ(plataforma::DeCp1252(LeArquivo(ArquivoConfig())), esperado);
    d.Text2->setText(QString::fromUtf8("/opt/łódź/programa"));
    d.cmdAplicar_Click();
    EXPECT_EQ(Arquivo("Config", "Executar"), "/opt/łódź/programa") << "a path the code page lacks is kept";
}

TEST_F(Configuracao, SoAAbaDaFrenteEGravada) {
    frmTelvanor09& d = Abre(frmTelvanor09::AbaAgendamento);
    d.SSTab1->setCurrentIndex(frmTelvanor09::AbaSons);
    d.txtSom[5]->setText("/outro/conectado.wav");
    d.SSTab1->setCurrentIndex(frmTelvanor09::AbaAgendamento);
    d.cmdOK_Click();

    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(Arquivo("Config", "Agendar Conexão"), "0");
    EXPECT_EQ(SomConectado, "  ");
    EXPECT_EQ(Usuario("Som", "Conectado"), "(ausente)");
}

TEST_F(Configuracao, AbaSonsGravaOsCaminhosAparados) {
    const struct {
        const char* nome;
        std::function<void(frmTelvanor09&)> mexe;
        std::array<const char*, 7> gravados;
    } casos[] = {
        {"saudações desligadas",
         [](frmTelvanor09& d) { d.chkIniciando->click(); },
         {"", "", "", "/sons/fim.wav", "", "", "/sons/caiu.wav"}},
        {"saudações desligadas e trazidas de volta",
         [](frmTelvanor09& d) {
             d.txtSom[1]->setText("/digitado.wav");
             d.chkIniciando->click();
             d.chkIniciando->click();
         },
         {"/sons/dia.wav", "/sons/tarde.wav", "/sons/noite.wav", "/sons/fim.wav", "", "", "/sons/caiu.wav"}},
        {"evento ligado traz o caminho guardado, não o último texto",
         [](frmTelvanor09& d) {
             d.txtSom[6]->setText("/digitado.wav");
             d.chkSomDesconectado->click();
             EXPECT_FALSE(d.txtSom[6]->isEnabled());
             d.chkSomDesconectado->click();
             d.txtSom[4]->setText(QString::fromUtf8("  /novo/日本.wav "));
         },
         {"/sons/dia.wav", "/sons/tarde.wav", "/sons/noite.wav", "/sons/fim.wav", "/novo/日本.wav", "",
          "/sons/caiu.wav"}},
    };
    const char* chaves[] = {"Bom Dia",   "Boa Tarde", "Boa Noite",   "Finalizando",
                            "Tem Email", "Conectado", "Desconectado"};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        frmTelvanor09& d = Abre(frmTelvanor09::AbaSons);
        c.mexe(d);
        d.chkSom->setChecked(false);
        d.cmdAplicar_Click();
        EXPECT_EQ(Usuario("Som", "Ligado"), "0");
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(Usuario("Som", chaves[i]), c.gravados[i]) << chaves[i];
        Sons();
    }
}

TEST_F(Configuracao, AbaNavegadorGravaPaginaTravaEPolitica) {
    const struct {
        int opcao; // -1: none
        bool travada;
        const char* pagina;
        const char* homePage;
        bool caixaHabilitada;
    } casos[] = {
        {2, false, "about:blank", "", false},
        {0, true, "http://www.e-telvanor.example/", "1", false},
        {1, true, "http://пример.рф/", "1", true},
        {-1, false, "http://пример.рф/", "", true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.opcao);
        PáginaInicial = "http://пример.рф/";
        frmTelvanor09& d = Abre(frmTelvanor09::AbaNavegador);
        if (c.opcao >= 0)
            d.opcInicial[c.opcao]->click();
        EXPECT_EQ(d.txtPáginaInicial->isEnabled(), c.caixaHabilitada);
        d.chkTravaPáginaInicial->setChecked(c.travada);
        d.chkIniIE->setChecked(true);
        d.cmdAplicar_Click();
        EXPECT_EQ(Registro(Main, "Start Page"), c.pagina);
        EXPECT_EQ(Arquivo("IE", "Página Inicial"), c.pagina);
        EXPECT_EQ(Arquivo("IE", "Travada"), c.travada ? "1" : "0");
        EXPECT_EQ(Registro(Politica, "HomePage"), c.homePage);
        EXPECT_EQ(Usuario("ini", "IE"), "1");
    }
}

TEST_F(Configuracao, AbaSobreSegueIniciarComWindows) {
    for (const bool ligado : {true, false}) {
        SCOPED_TRACE(ligado);
        IniciarComWindows = ligado ? "0" : "1";
        frmTelvanor09& d = Abre(frmTelvanor09::AbaSobre);
        d.chkIniciarComWindows->setChecked(ligado);
        d.cmdAplicar_Click();
        EXPECT_EQ(Usuario("ini", "Iniciar Com Windows"), ligado ? "1" : "0");
        EXPECT_EQ(Registro(ChaveRun, "e-Telvanor"),
                  ligado ? pastas.Programa() + "/e-Telvanor3Std /bandeja" : "");
    }
}

TEST_F(Configuracao, EscritaRecusadaMudaAVariavelESemAviso) {
    const struct {
        int aba;
        std::function<void(frmTelvanor09&)> mexe;
        std::function<bool()> mudou;
        std::function<std::string()> guardado;
    } casos[] = {
        {frmTelvanor09::AbaAcesso, [](frmTelvanor09& d) { d.txtSenha->setText("nova"); },
         [] { return SenhaAcesso == "nova"; }, [] { return Usuario("Acesso", "Senha"); }},
        {frmTelvanor09::AbaEmail, [](frmTelvanor09& d) { d.txtSegundos->setText("99"); },
         [] { return TempoDeEspera == 99; }, [] { return Arquivo("Pop3", "Tempo de Espera"); }},
        {frmTelvanor09::AbaAgendamento, [](frmTelvanor09& d) { d.Check5->click(); },
         [] { return AgendarConexão == 1; }, [] { return Arquivo("Config", "Agendar Conexão"); }},
        {frmTelvanor09::AbaSons, [](frmTelvanor09& d) { d.chkSom->setChecked(false); },
         [] { return SomLigado == 0; }, [] { return Usuario("Som", "Ligado"); }},
        {frmTelvanor09::AbaNavegador, [](frmTelvanor09& d) { d.opcInicial[2]->click(); },
         [] { return PáginaInicial == "about:blank"; }, [] { return Arquivo("IE", "Página Inicial"); }},
        {frmTelvanor09::AbaSobre, [](frmTelvanor09& d) { d.chkIniciarComWindows->setChecked(true); },
         [] { return IniciarComWindows == "1"; }, [] { return Usuario("ini", "Iniciar Com Windows"); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.aba);
        frmTelvanor09& d = Abre(c.aba);
        const std::string antes = c.guardado();
        c.mexe(d);
        {
            GravacaoRecusada recusada;
            d.cmdAplicar_Click();
        }
        EXPECT_TRUE(c.mudou());
        EXPECT_EQ(c.guardado(), antes);
        EXPECT_TRUE(interface->mensagens.empty());
    }
}

TEST_F(Configuracao, AbreNaAbaComOFocoNoPrimeiroControle) {
    for (int aba = 0; aba < 6; ++aba) {
        SCOPED_TRACE(aba);
        interface->aoMostrarModal = [aba](QDialog& modal) {
            auto& d = static_cast<frmTelvanor09&>(modal);
            d.show();
            EXPECT_EQ(d.SSTab1->currentIndex(), aba);
            EXPECT_EQ(d.focusWidget(), d.PrimeiroControle(aba));
            return 0;
        };
        frmTelvanor09::MostraNaAba(aba);
    }
}

} // namespace
