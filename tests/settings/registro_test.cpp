// Module Registro and the browser settings: path parsing with its message, and the bytes the
// writes leave in the hive.
#include "platform/colmeia.h"
#include "platform/cp1252.h"
#include "platform/qt/mensagens.h"
#include "settings/navegador.h"
#include "settings/quelza.h"
#include "settings/registro.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using plataforma::ExisteChaveRegistro;
using plataforma::LeValorRegistro;

const std::string Main = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";
const std::string Politica =
    "HKEY_USERS\\.Default\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
const std::string Internet =
    "HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

struct Caminho {
    const char* nome;
    std::string caminho;
    plataforma::HKEY raiz;
    std::string resto;
    bool mensagem;
};

void PrintTo(const Caminho& c, std::ostream* saida) { *saida << '"' << c.caminho << '"'; }

class CaminhosDeChave : public AmbienteTeste, public ::testing::WithParamInterface<Caminho> {};

TEST_P(CaminhosDeChave, SeparaRaizESubchave) {
    const Caminho& c = GetParam();
    std::string caminho = c.caminho;
    plataforma::HKEY raiz = 12345;
    Registro::SeparaCaminhoChave(caminho, raiz);
    EXPECT_EQ(raiz, c.raiz);
    EXPECT_EQ(caminho, c.resto);
    if (c.mensagem) {
        ASSERT_EQ(interface->mensagens.size(), 1u);
        EXPECT_EQ(interface->mensagens[0].texto, "Incorrect Format:\n\n" + c.caminho);
        EXPECT_EQ(interface->mensagens[0].estilo, plataforma::vbOKOnly);
        EXPECT_EQ(interface->mensagens[0].titulo, quelza::TituloAplicacao);
    } else {
        EXPECT_TRUE(interface->mensagens.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CaminhosDeChave,
    ::testing::Values(
        Caminho{"RaizSozinha", "HKEY_CURRENT_USER", plataforma::HKEY_CURRENT_USER, "", false},
        Caminho{"RaizESubchave", "HKEY_CURRENT_USER\\Software\\e-Telvanor", plataforma::HKEY_CURRENT_USER,
                "Software\\e-Telvanor", false},
        Caminho{"PerfilPadrao", "HKEY_USERS\\.DEFAULT", plataforma::HKEY_USERS, ".DEFAULT", false},
        Caminho{"Classes", "HKEY_CLASSES_ROOT\\x", plataforma::HKEY_CLASSES_ROOT, "x", false},
        Caminho{"Maquina", "HKEY_LOCAL_MACHINE\\x", plataforma::HKEY_LOCAL_MACHINE, "x", false},
        Caminho{"Desempenho", "HKEY_PERFORMANCE_DATA\\x", plataforma::HKEY_PERFORMANCE_DATA, "x", false},
        Caminho{"ConfigAtual", "HKEY_CURRENT_CONFIG\\x", plataforma::HKEY_CURRENT_CONFIG, "x", false},
        Caminho{"Dinamica", "HKEY_DYN_DATA\\x", plataforma::HKEY_DYN_DATA, "x", false},
        Caminho{"RaizDesconhecida", "HKEY_FOO\\Software", 0, "Software", false},
        Caminho{"RaizEmOutraCaixa", "HKEY_Current_User\\Software", 0, "Software", false},
        Caminho{"PrefixoMinusculo", "hkey_current_user\\Software", 0, "hkey_current_user\\Software", true},
        Caminho{"BarraNoFim", "HKEY_LOCAL_MACHINE\\Software\\", 0, "HKEY_LOCAL_MACHINE\\Software\\", true},
        Caminho{"Vazio", "", 0, "", true}, Caminho{"SoOPrefixo", "HKEY", 0, "HKEY", true}),
    [](const auto& info) { return std::string(info.param.nome); });

class GravacaoRegistro : public AmbienteTeste {};

TEST_F(GravacaoRegistro, TextoGuardaNMaisUmBytesEmWindows1252) {
    Registro::GravaValorTexto(Main, "Start Page", "Página");
    const auto valor = LeValorRegistro(Main, "Start Page");
    ASSERT_TRUE(valor);
    EXPECT_EQ(valor->tipo, plataforma::REG_SZ);
    EXPECT_EQ(valor->dados, std::string("P\xE1gina\0", 7));
    EXPECT_EQ(Registro::RetornoRegistro, plataforma::ERROR_SUCCESS);

    // The size passed counts the terminating NUL: a text that itself ends in code 0 keeps it.
    Registro::GravaValorTexto(Main, "Start Page", std::string("ab\0", 3));
    EXPECT_EQ(LeValorRegistro(Main, "Start Page")->dados, std::string("ab\0\0", 4));
}

TEST_F(GravacaoRegistro, ChaveInexistenteNaoEhCriadaPelaEscrita) {
    const std::string caminho = "HKEY_CURRENT_USER\\Software\\NaoExiste";
    Registro::GravaValorTexto(caminho, "Valor", "x");
    Registro::GravaValorBinário(caminho, "Valor", "x");
    EXPECT_FALSE(ExisteChaveRegistro(caminho));
    EXPECT_NE(Registro::RetornoRegistro, plataforma::ERROR_SUCCESS);
}

TEST_F(GravacaoRegistro, CaminhoMalFormadoOuRaizDesconhecidaNaoEscreveNada) {
    Registro::CriaChave("HKEY_FOO\\Software\\Teste");
    Registro::CriaChave("HKEY_CURRENT_USER\\Software\\Teste\\");
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\Teste"));
    EXPECT_EQ(interface->mensagens.size(), 1u);
}

TEST_F(GravacaoRegistro, CriaChaveCriaOsPaisEAceitaChaveExistente) {
    Registro::CriaChave(Politica);
    Registro::CriaChave(Politica);
    EXPECT_EQ(Registro::RetornoRegistro, plataforma::ERROR_SUCCESS);
    EXPECT_TRUE(ExisteChaveRegistro(Politica));
    EXPECT_TRUE(ExisteChaveRegistro("HKEY_USERS\\.DEFAULT\\Software\\Policies"));
}

TEST_F(GravacaoRegistro, BinarioUmBytePorCaractere) {
    Registro::GravaValorBinário(Internet, "Dados", "\x01ç");
    auto valor = LeValorRegistro(Internet, "Dados");
    ASSERT_TRUE(valor);
    EXPECT_EQ(valor->tipo, plataforma::REG_BINARY);
    EXPECT_EQ(valor->dados, "\x01\xE7");
    EXPECT_EQ(Registro::TamanhoDados, 2);

    Registro::GravaValorBinário(Internet, "Dados", "");
    valor = LeValorRegistro(Internet, "Dados");
    ASSERT_TRUE(valor);
    EXPECT_EQ(valor->dados, "");
}

struct Travamento {
    const char* travada;
    std::string homePage;
};

class AjusteNavegador : public AmbienteTeste, public ::testing::WithParamInterface<Travamento> {};

TEST_P(AjusteNavegador, GravaPaginaPoliticaEDiscagemAutomatica) {
    quelza::PáginaInicial = "http://portal.exemplo/";
    quelza::PáginaTravada = GetParam().travada;
    quelza::AjustaNavegador();

    const auto inicial = LeValorRegistro(Main, "Start Page");
    ASSERT_TRUE(inicial);
    EXPECT_EQ(inicial->dados, std::string("http://portal.exemplo/\0", 23));
    const auto autodial = LeValorRegistro(Internet, "EnableAutodial");
    ASSERT_TRUE(autodial);
    EXPECT_EQ(autodial->tipo, plataforma::REG_BINARY);
    EXPECT_EQ(autodial->dados, std::string(4, '\0'));
    EXPECT_TRUE(ExisteChaveRegistro(Politica));
    const auto homePage = LeValorRegistro(Politica, "HomePage");
    ASSERT_TRUE(homePage);
    EXPECT_EQ(homePage->tipo, plataforma::REG_SZ);
    EXPECT_EQ(homePage->dados, GetParam().homePage);
    EXPECT_TRUE(interface->mensagens.empty());
}

INSTANTIATE_TEST_SUITE_P(Casos, AjusteNavegador,
                         ::testing::Values(Travamento{"1", std::string("1\0", 2)},
                                           Travamento{"0", std::string("\0", 1)},
                                           Travamento{"", std::string("\0", 1)}));

TEST_F(GravacaoRegistro, SemAChaveDoNavegadorAPaginaNaoEhEscrita) {
    // A hive of a profile that has never had the browser's key.
    GravaArquivo(plataforma::ArquivoColmeia(), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Outro]\n");
    quelza::PáginaInicial = "http://portal.exemplo/";
    quelza::AjustaNavegador();
    EXPECT_FALSE(ExisteChaveRegistro(Main));
    EXPECT_FALSE(LeValorRegistro(Main, "Start Page"));
    EXPECT_TRUE(ExisteChaveRegistro(Politica));
}

} // namespace
