// The loader at start: the first start on the shipped settings file, a second start, the redial
// variants, and steps that fail alone; values of the settings file kept whatever they hold, and the
// first start in a folder whose name the code page lacks.
#include "mail/contas_email.h"
#include "platform/arquivos/instalacao.h"
#include "platform/arquivos/pastas.h"
#include "platform/registro/configuracoes_usuario.h"
#include "platform/registro/registro_api.h"
#include "platform/texto/cp1252.h"
#include "settings/configuracao.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/colmeia_lida.h"
#include "support/diagnosticos.h"
#include "support/janelas_registradas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace quelza;
using Pares = std::vector<std::pair<std::string, std::string>>;
using plataforma::SaveSetting;
using ::testing::HasSubstr;

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
    std::string Programa(const char* arquivo) const { return pastas.Programa() + "/" + arquivo; }
    static std::string Run() {
        const auto valor = LeValorRegistro(
            "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", "e-Telvanor");
        return valor && valor->tipo == plataforma::REG_SZ ? valor->dados : "(nenhum)";
    }
    std::string Autoinicio() const {
        return LeArquivo(pastas.ConfigHome() + "/autostart/e-Telvanor.desktop");
    }

    JanelaCarregamentoRegistrada janela;
};

// As a run that ended with redial on leaves the shipped file.
const char* const Instalado = "[Config]\nRediscar=True\nHora da Conexão=08:30:00\nPrimeira Vez=1\n\n"
                              "[IE]\nPágina Inicial=http://portal.exemplo/\nTravada=1\n\n"
                              "[Pop3]\nTempo de Espera= 30\n";
// The same after the first start: only the marker and the redial flag change.
std::string DepoisDaPrimeira() {
    return ComoArquivo(
        "[Config]\nRediscar=False\nHora da Conexão=08:30:00\nPrimeira Vez=0\n\n"
        "[IE]\nPágina Inicial=http://portal.exemplo/\nTravada=1\n\n[Pop3]\nTempo de Espera= 30\n");
}

TEST_F(CarregaConfiguracao, PrimeiraPartidaGravaOsPadroes) {
    Config(Instalado);
    GravaArquivo(Programa("e-Telvanor3Std.reg"), "REGEDIT4\r\n");
    SaveSetting("e-Telvanor", "Email", "Casa", CodificaContaEmail({"Casa", "pop.casa", "ana", "pw"}));

    CarregaConfiguração();

    EXPECT_EQ(plataforma::GetAllSettings("e-Telvanor", "Som"),
              (Pares{{"Ligado", "1"},
                     {"Iniciando", "1"},
                     {"Bom Dia", Programa("e-bomdia.wav")},
                     {"Boa Tarde", Programa("e-boatarde.wav")},
                     {"Boa Noite", Programa("e-boanoite.wav")},
                     {"Finalizando", Programa("e-fim.wav")},
                     {"Tem Email", Programa("e-tememail.wav")},
                     {"Conectado", Programa("e-conectado.wav")},
                     {"Desconectado", Programa("e-desconectado.wav")}}));
    EXPECT_EQ(
        plataforma::GetAllSettings("e-Telvanor", "ini"),
        (Pares{{"X", "1130"}, {"Y", "1130"}, {"Iniciar Com Windows", "1"}, {"IE", "0"}, {"Versão", "31"}}));
    const std::string comando = Programa("e-Telvanor3Std /bandeja");
    EXPECT_EQ(Run(), comando + '\0');
    EXPECT_THAT(Autoinicio(), HasSubstr("Exec=" + comando));

    EXPECT_EQ(LeArquivo(ArquivoConfig()), DepoisDaPrimeira());
    EXPECT_EQ(LeArquivo(Programa("sistema/e-Telvanor3Std.reg")), "REGEDIT4\r\n");
    EXPECT_EQ(LeValorRegistro(
                  "HKEY_USERS\\.DEFAULT\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel",
                  "HomePage")
                  ->dados,
              std::string("1\0", 2));

    EXPECT_EQ(HoraConexão, HoraDoDia::De(8, 30));
    EXPECT_EQ(TempoDeEspera, 30);
    EXPECT_EQ(PosiçãoX, 1130);
    EXPECT_FALSE(RediscarLigado);
    EXPECT_EQ(ContasEmail, (std::vector<ContaEmail>{{"Casa", "pop.casa", "ana", "pw"}}));
    EXPECT_FALSE(janela.verificacaoPeriodica);
}

TEST_F(CarregaConfiguracao, PrimeiraPartidaInstaladaGravaSoNaPastaDoUsuario) {
    Config(Instalado);
    GravaArquivo(Programa("e-Telvanor3Std.reg"), "REGEDIT4\r\n");
    GravaArquivo(Programa(plataforma::MarcaInstalacao), "");
    const std::string instalado = LeArquivo(ArquivoConfig());

    CarregaConfiguração();

    EXPECT_EQ(LeArquivo(ArquivoConfig()), instalado);
    EXPECT_FALSE(std::filesystem::exists(Programa("sistema/e-Telvanor3Std.reg")));
    EXPECT_EQ(LeArquivo(pastas.Usuario() + "/Config.ini"), DepoisDaPrimeira());
    EXPECT_EQ(Ini("Config", "Primeira Vez"), "0");
    EXPECT_EQ(LeArquivo(pastas.Usuario() + "/sistema/e-Telvanor3Std.reg"), "REGEDIT4\r\n");
    // What is read stays in the installed folder.
    EXPECT_EQ(Run(), Programa("e-Telvanor3Std /bandeja") + '\0');
    EXPECT_EQ(SomBomDia, Programa("e-bomdia.wav"));
}

TEST_F(CarregaConfiguracao, SegundaPartidaNaoRepeteOsPadroes) {
    Config(Instalado);
    CarregaConfiguração();
    SaveSetting("e-Telvanor", "ini", "X", "450");
    SaveSetting("e-Telvanor", "Som", "Bom Dia", "/home/ana/galo.wav");
    SaveSetting("e-Telvanor", "ini", "Iniciar Com Windows", "0");

    ReiniciaQuelza();
    CarregaConfiguração();

    EXPECT_EQ(PosiçãoX, 450);
    EXPECT_EQ(SomBomDia, "/home/ana/galo.wav");
    // The entry follows the stored flag at every start, and stays when switched off.
    EXPECT_EQ(Run(), std::string(1, '\0'));
    EXPECT_THAT(Autoinicio(), HasSubstr("Hidden=true"));
}

TEST_F(CarregaConfiguracao, RediscarSegueOTextoGuardado) {
    const struct {
        const char* linha; // "Rediscar" line of the file
        const char* rotulo;
        bool antes, depois;
        const char* arquivo;
    } casos[] = {
        {"Rediscar=True", "Provedor", false, true, "True"},
        {"Rediscar=True", "   ", false, false, "False"},
        {"Rediscar=False", "Provedor", true, false, "False"},
        {"Rediscar=false", "", true, true, "false"},
        {"", "Provedor", true, true, ""},
    };
    for (const auto& c : casos) {
        Config(std::string("[Config]\n") + c.linha + "\n");
        janela.acesso = c.rotulo;
        RediscarLigado = c.antes;
        janela.rediscar = c.antes;
        CarregaConfiguração();
        SCOPED_TRACE(std::string(c.linha) + " / " + c.rotulo);
        EXPECT_EQ(RediscarLigado, c.depois);
        EXPECT_EQ(janela.rediscar.value(), c.depois) << "the window's redial controls";
        EXPECT_EQ(Ini("Config", "Rediscar"), c.arquivo);
    }
}

TEST_F(CarregaConfiguracao, UmPassoQueFalhaNaoImpedeOsOutros) {
    Config("[Config]\nAgendar Conexão=abc\nHora da Conexão=25:00\nHora da Desconexão=22:30:00\n"
           "[Pop3]\nCheque ao Conectar= 300\nTempo de Espera= 40000\nChecar Periodicamente= 5\n");
    SaveSetting("e-Telvanor", "ini", "X", "99999999999");
    SaveSetting("e-Telvanor", "ini", "Y", "200");
    HoraConexão = HoraDoDia::De(6, 0);
    janela.verificacaoPeriodica = true;
    DiagnosticosGuardados diagnosticos;

    CarregaConfiguração();

    EXPECT_EQ(AgendarConexão, 0);
    EXPECT_EQ(HoraConexão, HoraDoDia::De(6, 0));
    EXPECT_EQ(HoraDesconexão, HoraDoDia::De(22, 30));
    EXPECT_EQ(ChecarAoConectar, 0);
    EXPECT_EQ(TempoDeEspera, 0);
    EXPECT_EQ(ChecarPeriodicamente, 5);
    EXPECT_EQ(AvisarNovoEmail, 1) << "the desktop notice is on unless switched off";
    EXPECT_EQ(PosiçãoX, 0);
    EXPECT_EQ(PosiçãoY, 200);
    EXPECT_TRUE(janela.verificacaoPeriodica);
    EXPECT_THAT(diagnosticos.Retira(), HasSubstr("e-Telvanor: passo da carga das configurações ignorado"))
        << "a skipped step is reported, not shown";

    Config("[Pop3]\nChecar Periodicamente= 0\nAvisar Novo Email= 0\n");
    CarregaConfiguração();
    EXPECT_FALSE(janela.verificacaoPeriodica);
    EXPECT_EQ(AvisarNovoEmail, 0);
}

TEST_F(CarregaConfiguracao, LeIniCortaValorLongoEm254) {
    const std::string longo = std::string(150, 'a') + std::string(150, 'b');
    Config("[IE]\nPágina Inicial=" + longo + "\n");
    EXPECT_EQ(Ini("IE", "Página Inicial"), longo.substr(0, 254));
    // Cut inside a character of a UTF-8 value, the value loses that character, not its reading.
    std::string japones;
    for (int i = 0; i < 100; ++i)
        japones += "日";
    GravaIni(ArquivoConfig(), "IE", "Página Inicial", "/" + japones);
    EXPECT_EQ(Ini("IE", "Página Inicial"), "/" + japones.substr(0, 3 * 84));
    GravaIni(ArquivoConfig(), "Config", "Não Deixar Agendado", " 1");
    EXPECT_NE(LeArquivo(ArquivoConfig()).find("N\xE3o Deixar Agendado="), std::string::npos);
    EXPECT_EQ(Ini("config", "Não deixar Agendado"), "1");
}

TEST_F(CarregaConfiguracao, ArquivoEmWindows1252ReescritoByteAByte) {
    // Code-page values, also those whose bytes happen to be UTF-8 ("Ã©" and "â‚¬" are "é" and "€").
    const std::string valores[] = {"C:\\Arquivos de Programas\\Ação.exe", "http://exemplo/Ã©", "â‚¬ 5",
                                   "“citação” – nº 1", "É”"};
    std::string linhas = "[Config]\n";
    for (std::size_t i = 0; i < std::size(valores); ++i)
        linhas += "Chave" + std::to_string(i) + "=" + valores[i] + "\n";
    Config(linhas);
    const std::string antes = LeArquivo(ArquivoConfig());
    for (std::size_t i = 0; i < std::size(valores); ++i) {
        const std::string chave = "Chave" + std::to_string(i);
        const std::string lido = Ini("Config", chave.c_str());
        EXPECT_EQ(lido, i == 4 ? "ɔ" : valores[i])
            << "\"É”\" is the one form the bytes cannot tell from UTF-8";
        GravaIni(ArquivoConfig(), "Config", chave, lido);
    }
    EXPECT_EQ(LeArquivo(ArquivoConfig()), antes);
    GravaIni(ArquivoConfig(), "Config", "Executar", "/opt/日本/programa");
    EXPECT_EQ(Ini("Config", "Executar"), "/opt/日本/programa");
}

TEST_F(CarregaConfiguracao, PrimeiraPartidaNumaPastaForaDoWindows1252) {
    const std::string pasta = pastas.Raiz() + "/łukasz/e-Telvanor";
    std::filesystem::create_directories(pasta + "/sistema");
    plataforma::DefinePastaPrograma(pasta);
    Config(Instalado);
    CarregaConfiguração();
    ReiniciaQuelza();
    CarregaConfiguração();

    EXPECT_EQ(SomBomDia, pasta + "/e-bomdia.wav");
    EXPECT_EQ(SomDesconectado, pasta + "/e-desconectado.wav");
    const std::string comando = pasta + "/e-Telvanor3Std /bandeja";
    EXPECT_EQ(Run(), comando + '\0');
    EXPECT_THAT(Autoinicio(), HasSubstr("Exec=" + comando + "\n"));
}

} // namespace
