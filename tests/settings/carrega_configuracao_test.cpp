// The loader at start: the first start on the shipped settings file, a second start, the redial
// variants, and steps that fail alone.
#include "app/frm_telvanor01.h"
#include "mail/contas_email.h"
#include "platform/colmeia.h"
#include "platform/configuracoes_usuario.h"
#include "platform/cp1252.h"
#include "platform/registro_api.h"
#include "settings/configuracao.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace quelza;
using Pares = std::vector<std::pair<std::string, std::string>>;
using ::testing::HasSubstr;
using ::testing::Not;

const std::string ChaveRun = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// UTF-8 lines joined with CR LF and stored in Windows-1252, as the shipped file is.
std::string ComoArquivo(const std::string& linhas) {
    std::string texto;
    for (char c : linhas)
        texto += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return plataforma::ParaCp1252(texto);
}

class CarregaConfiguracao : public AmbienteTeste {
protected:
    void Config(const std::string& linhas) { GravaArquivo(ArquivoConfig(), ComoArquivo(linhas)); }
    static std::string Ini(const char* secao, const char* chave) {
        return LeIni(ArquivoConfig(), secao, chave);
    }
    static std::string Usuario(const char* secao, const char* chave) {
        return plataforma::GetSetting("e-Telvanor", secao, chave);
    }
    std::string Autoinicio() const {
        return LeArquivo(pastas.ConfigHome() + "/autostart/e-Telvanor.desktop");
    }
    std::string Comando() const { return pastas.Programa() + "/e-Telvanor3Std /bandeja"; }
    std::string Som(const char* arquivo) const { return pastas.Programa() + "/" + arquivo; }

    void LigaControlesRediscar(bool ligado) {
        RediscarLigado = ligado;
        janela.img[51]->DefinePicture(janela.imgX[ligado ? 52 : 51]);
        janela.Timer3.Enabled(ligado);
        janela.itmRediscar->setChecked(ligado);
    }
    bool ControlesRediscarLigados() {
        const bool botao = janela.img[51]->Picture().Handle == janela.imgX[52].Handle;
        EXPECT_EQ(botao, janela.Timer3.Enabled());
        EXPECT_EQ(botao, janela.itmRediscar->isChecked());
        return botao;
    }

    frmTelvanor01 janela;
};

const char* const ArquivoInstalado = "[Config]\n"
                                     "Rediscar=False\n"
                                     "Agendar Conexão= 1\n"
                                     "Hora da Conexão=08:30:00\n"
                                     "Executar=/usr/bin/true\n"
                                     "Não Deixar Agendado= 1\n"
                                     "Primeira Vez=1\n"
                                     "\n"
                                     "[IE]\n"
                                     "Página Inicial=http://portal.exemplo/\n"
                                     "Travada=1\n"
                                     "\n"
                                     "[Pop3]\n"
                                     "Tempo de Espera= 30\n";

TEST_F(CarregaConfiguracao, PrimeiraPartidaGravaOsPadroesUmaVez) {
    Config(ArquivoInstalado);
    const std::string reg = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\e-Telvanor]\r\n";
    GravaArquivo(pastas.Programa() + "/e-Telvanor3Std.reg", reg);

    CarregaConfiguração();

    EXPECT_EQ(plataforma::GetAllSettings("e-Telvanor", "Som"),
              (Pares{{"Ligado", "1"},
                     {"Iniciando", "1"},
                     {"Bom Dia", Som("e-bomdia.wav")},
                     {"Boa Tarde", Som("e-boatarde.wav")},
                     {"Boa Noite", Som("e-boanoite.wav")},
                     {"Finalizando", Som("e-fim.wav")},
                     {"Tem Email", Som("e-tememail.wav")},
                     {"Conectado", Som("e-conectado.wav")},
                     {"Desconectado", Som("e-desconectado.wav")}}));
    EXPECT_EQ(
        plataforma::GetAllSettings("e-Telvanor", "ini"),
        (Pares{{"X", "1130"}, {"Y", "1130"}, {"Iniciar Com Windows", "1"}, {"IE", "0"}, {"Versão", "31"}}));

    const auto run = plataforma::LeValorRegistro(ChaveRun, "e-Telvanor");
    ASSERT_TRUE(run);
    EXPECT_EQ(run->tipo, plataforma::REG_SZ);
    EXPECT_EQ(run->dados, Comando() + '\0');
    EXPECT_THAT(Autoinicio(), HasSubstr(Comando()));
    EXPECT_THAT(Autoinicio(), Not(HasSubstr("Hidden=true")));

    // Only the marker changes in the settings file.
    std::string esperado = ArquivoInstalado;
    esperado.replace(esperado.find("Primeira Vez=1"), 14, "Primeira Vez=0");
    EXPECT_EQ(LeArquivo(ArquivoConfig()), ComoArquivo(esperado));
    EXPECT_EQ(LeArquivo(pastas.Programa() + "/sistema/e-Telvanor3Std.reg"), reg);

    const auto pagina = plataforma::LeValorRegistro(
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main", "Start Page");
    ASSERT_TRUE(pagina);
    EXPECT_EQ(pagina->dados, std::string("http://portal.exemplo/") + '\0');
    const auto travada = plataforma::LeValorRegistro(
        "HKEY_USERS\\.DEFAULT\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel", "HomePage");
    ASSERT_TRUE(travada);
    EXPECT_EQ(travada->dados, std::string("1") + '\0');

    EXPECT_EQ(AgendarConexão, 1);
    EXPECT_EQ(HoraConexão, HoraDoDia::De(8, 30));
    EXPECT_EQ(ProgramaExecutar, "/usr/bin/true");
    EXPECT_EQ(NãoDeixarAgendado, 1);
    EXPECT_EQ(TempoDeEspera, 30);
    EXPECT_EQ(PosiçãoX, 1130);
    EXPECT_EQ(SomFinalizando, Som("e-fim.wav"));
    EXPECT_FALSE(janela.tmrEmail.Enabled());
}

TEST_F(CarregaConfiguracao, SegundaPartidaNaoRepeteOsPadroes) {
    Config(ArquivoInstalado);
    CarregaConfiguração();
    plataforma::SaveSetting("e-Telvanor", "ini", "X", "450");
    plataforma::SaveSetting("e-Telvanor", "Som", "Bom Dia", "/home/ana/galo.wav");
    plataforma::SaveSetting("e-Telvanor", "Som", "Ligado", "0");

    ReiniciaQuelza();
    CarregaConfiguração();

    EXPECT_EQ(PrimeiraVez, 0);
    EXPECT_EQ(PosiçãoX, 450);
    EXPECT_EQ(PosiçãoY, 1130);
    EXPECT_EQ(SomLigado, 0);
    EXPECT_EQ(SomBomDia, "/home/ana/galo.wav");
    EXPECT_EQ(Usuario("ini", "X"), "450");
    EXPECT_EQ(Usuario("Som", "Ligado"), "0");
    EXPECT_EQ(Usuario("Som", "Bom Dia"), "/home/ana/galo.wav");
    // The entry still follows the stored flag at every start.
    EXPECT_EQ(plataforma::LeValorRegistro(ChaveRun, "e-Telvanor")->dados, Comando() + '\0');
}

class IniciarComWindowsDesligado : public CarregaConfiguracao,
                                   public ::testing::WithParamInterface<const char*> {};

TEST_P(IniciarComWindowsDesligado, DeixaAEntradaVazia) {
    plataforma::SaveSetting("e-Telvanor", "ini", "Iniciar Com Windows", "1");
    CarregaConfiguração();
    ASSERT_EQ(plataforma::LeValorRegistro(ChaveRun, "e-Telvanor")->dados, Comando() + '\0');

    if (*GetParam())
        plataforma::SaveSetting("e-Telvanor", "ini", "Iniciar Com Windows", GetParam());
    else
        plataforma::DeleteSetting("e-Telvanor", "ini", "Iniciar Com Windows");
    CarregaConfiguração();

    const auto run = plataforma::LeValorRegistro(ChaveRun, "e-Telvanor");
    ASSERT_TRUE(run);
    EXPECT_EQ(run->dados, std::string(1, '\0'));
    EXPECT_THAT(Autoinicio(), HasSubstr("Hidden=true"));
    // Without a settings file there is no first start.
    EXPECT_TRUE(plataforma::GetAllSettings("e-Telvanor", "Som").empty());
}

INSTANTIATE_TEST_SUITE_P(Casos, IniciarComWindowsDesligado, ::testing::Values("0", " 1", ""));

struct Rediscar {
    const char* nome;
    const char* linha; // "Rediscar" line of the file, "" for none
    const char* rotulo;
    bool antes;  // redial state before the loader
    bool depois; // RediscarLigado and the controls after it
    const char* arquivo;
};

void PrintTo(const Rediscar& r, std::ostream* saida) { *saida << r.nome; }

class VariantesRediscar : public CarregaConfiguracao, public ::testing::WithParamInterface<Rediscar> {};

TEST_P(VariantesRediscar, SegueOTextoGuardado) {
    const Rediscar& r = GetParam();
    Config(std::string("[Config]\n") + r.linha + "\n");
    DefineCaption(janela.lblAcesso, r.rotulo);
    LigaControlesRediscar(r.antes);

    CarregaConfiguração();

    EXPECT_EQ(RediscarLigado, r.depois);
    EXPECT_EQ(ControlesRediscarLigados(), r.depois);
    EXPECT_EQ(Ini("Config", "Rediscar"), r.arquivo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, VariantesRediscar,
    ::testing::Values(Rediscar{"LigadoComAcesso", "Rediscar=True", "Provedor", false, true, "True"},
                      Rediscar{"LigadoSemAcesso", "Rediscar=True", "", false, false, "False"},
                      Rediscar{"LigadoComRotuloEmBranco", "Rediscar=True", "   ", false, false, "False"},
                      Rediscar{"Desligado", "Rediscar=False", "Provedor", true, false, "False"},
                      Rediscar{"MinusculasNaoMudamNada", "Rediscar=false", "", true, true, "false"},
                      Rediscar{"AusenteNaoMudaNada", "", "Provedor", true, true, ""}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(CarregaConfiguracao, RediscarDeixadoLigadoAindaFazAPrimeiraPartidaECarregaAsContas) {
    Config("[Config]\nRediscar=True\nPrimeira Vez=1\n");
    plataforma::SaveSetting("e-Telvanor", "Email", "Casa",
                            CodificaContaEmail({"Casa", "pop.casa", "ana", "pw"}));

    CarregaConfiguração();

    EXPECT_FALSE(RediscarLigado);
    EXPECT_EQ(Ini("Config", "Rediscar"), "False");
    EXPECT_EQ(Ini("Config", "Primeira Vez"), "0");
    EXPECT_EQ(Usuario("Som", "Ligado"), "1");
    ASSERT_TRUE(TemContasEmail);
    EXPECT_EQ(ContasEmail, (std::vector<ContaEmail>{{"Casa", "pop.casa", "ana", "pw"}}));
}

TEST_F(CarregaConfiguracao, UmPassoQueFalhaNaoImpedeOsOutros) {
    Config("[Config]\n"
           "Agendar Conexão=abc\n"
           "Hora da Conexão=25:00\n"
           "Hora da Desconexão=22:30:00\n"
           "Desligar Computador= 70000\n"
           "[Pop3]\n"
           "Cheque ao Conectar= 300\n"
           "Tempo de Espera= 40000\n"
           "Checar Periodicamente= 5\n");
    plataforma::SaveSetting("e-Telvanor", "ini", "X", "99999999999");
    plataforma::SaveSetting("e-Telvanor", "ini", "Y", "200");
    plataforma::SaveSetting("e-Telvanor", "Som", "Ligado", "2.5");
    HoraConexão = HoraDoDia::De(6, 0);
    janela.tmrEmail.Enabled(true);

    CarregaConfiguração();

    EXPECT_EQ(AgendarConexão, 0);
    EXPECT_EQ(HoraConexão, HoraDoDia::De(6, 0));
    EXPECT_EQ(HoraDesconexão, HoraDoDia::De(22, 30));
    EXPECT_EQ(DesligarComputador, 0);
    EXPECT_EQ(ChecarAoConectar, 0);
    EXPECT_EQ(TempoDeEspera, 0);
    EXPECT_EQ(ChecarPeriodicamente, 5);
    EXPECT_EQ(PosiçãoX, 0);
    EXPECT_EQ(PosiçãoY, 200);
    EXPECT_EQ(SomLigado, 2);
    EXPECT_TRUE(janela.tmrEmail.Enabled());
}

TEST_F(CarregaConfiguracao, SemVerificacaoPeriodicaOTemporizadorDeEmailParado) {
    for (const char* linha : {"Checar Periodicamente= 0", "Checar Periodicamente=", ""}) {
        Config(std::string("[Pop3]\n") + linha + "\n");
        janela.tmrEmail.Enabled(true);
        CarregaConfiguração();
        EXPECT_FALSE(janela.tmrEmail.Enabled()) << linha;
    }
}

} // namespace
