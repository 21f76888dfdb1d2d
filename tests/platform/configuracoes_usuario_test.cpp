// Per-user settings over the hive: any Windows-1252 character through a value, case-blind names,
// creation order, and what each form of DeleteSetting removes.
#include "pastas_teste.h"

#include "platform/colmeia.h"
#include "platform/configuracoes_usuario.h"
#include "platform/cp1252.h"

#include <gmock/gmock.h>

using namespace plataforma;
using ::testing::ElementsAre;
using ::testing::Pair;

namespace {

using ConfiguracoesUsuario = PastasTeste;

TEST_F(ConfiguracoesUsuario, CadaCaractereDaPaginaSobrevive) {
    std::string todos;
    for (int codigo = 0; codigo < 256; ++codigo) {
        const std::string caractere = DeCp1252(std::string(1, static_cast<char>(codigo)));
        todos += caractere;
        SaveSetting("e-Telvanor", "Acesso", "c" + std::to_string(codigo), caractere);
    }
    SaveSetting("e-Telvanor", "Acesso", "Senha", todos);
    for (int codigo = 0; codigo < 256; ++codigo)
        EXPECT_EQ(ParaCp1252(GetSetting("e-Telvanor", "Acesso", "c" + std::to_string(codigo))),
                  std::string(1, static_cast<char>(codigo)))
            << "código " << codigo;
    EXPECT_EQ(GetSetting("e-Telvanor", "acesso", "senha"), todos);
    // In the hive the text is Windows-1252, as the registry calls see it.
    const auto valor = LeValorRegistro("HKEY_CURRENT_USER\\Software\\e-Telvanor\\Acesso", "Senha");
    ASSERT_TRUE(valor);
    EXPECT_EQ(valor->dados, ParaCp1252(todos) + '\0');
}

TEST_F(ConfiguracoesUsuario, TextosQueOCodigoEmbaralhadoProduz) {
    const struct {
        const char* nome;
        std::string valor;
    } casos[] = {
        {"só NUL", std::string(3, '\0')},    {"CR e LF", "a\r\nb\rc\n"},
        {"aspas e barras", "\"\\\\\"\\x41"}, {"colchetes", "[HKEY_CURRENT_USER\\Software]\n\"x\"=\"y\""},
        {"brancos nas pontas", "  meio  "},  {"vazio", ""},
    };
    for (const auto& caso : casos) {
        SaveSetting("e-Telvanor", "Email", caso.nome, caso.valor);
        EXPECT_EQ(GetSetting("e-Telvanor", "Email", caso.nome, "padrão"), caso.valor) << caso.nome;
    }
    EXPECT_EQ(GetAllSettings("e-Telvanor", "Email").size(), std::size(casos));
}

TEST_F(ConfiguracoesUsuario, ForaDaPaginaViraInterrogacao) {
    SaveSetting("e-Telvanor", "Som", "Bom Dia", "/música/中.wav");
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Bom Dia"), "/música/?.wav");
}

TEST_F(ConfiguracoesUsuario, AusenteDaOPadrao) {
    EXPECT_EQ(GetSetting("eTelvanor", "ini", "Y"), "");
    SaveSetting("e-Telvanor", "ini", "X", "1130");
    const struct {
        const char* aplicacao;
        const char* secao;
        const char* chave;
    } casos[] = {
        {"eTelvanor", "ini", "X"}, {"e-Telvanor", "Som", "X"}, {"e-Telvanor", "ini", "Y"},   {"", "ini", "X"},
        {"e-Telvanor", "", "X"},   {"e-Telvanor", "ini", ""},  {"e-Telvanor\\ini", "", "X"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(GetSetting(caso.aplicacao, caso.secao, caso.chave, "p"), "p")
            << caso.aplicacao << "/" << caso.secao << "/" << caso.chave;
    EXPECT_THAT(GetAllSettings("e-Telvanor", "Som"), ElementsAre());
    EXPECT_THAT(GetAllSettings("Nada", "ini"), ElementsAre());
}

TEST_F(ConfiguracoesUsuario, NomesVaziosOuComControleNaoGravam) {
    SaveSetting("", "ini", "X", "1");
    SaveSetting("e-Telvanor", "", "X", "1");
    SaveSetting("e-Telvanor", "ini", "", "1");
    SaveSetting("e-Telvanor", "in\ni", "X", "1");
    SaveSetting("e-Te\x01lvanor", "ini", "X", "1");
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\e-Telvanor"));
    EXPECT_EQ(Conteudo(ArquivoColmeia()), "");
}

TEST_F(ConfiguracoesUsuario, SecoesEChavesSemCaixaNaOrdemDeCriacao) {
    SaveSetting("e-Telvanor", "ini", "X", "1130");
    SaveSetting("e-Telvanor", "Ini", "Iniciar Com Windows", "1");
    SaveSetting("e-Telvanor", "INI", "x", "10");
    SaveSetting("e-Telvanor", "ini", "Versão", "31");
    SaveSetting("e-Telvanor", "ini", "IE", "0");
    EXPECT_EQ(GetSetting("E-TELVANOR", "iNi", "VERSÃO"), "31");
    EXPECT_THAT(GetAllSettings("e-Telvanor", "Ini"),
                ElementsAre(Pair("X", "10"), Pair("Iniciar Com Windows", "1"), Pair("Versão", "31"),
                            Pair("IE", "0")));
}

TEST_F(ConfiguracoesUsuario, ApagarValorSecaoOuAplicacao) {
    SaveSetting("eTelvanor", "ini", "Y", "1130");
    SaveSetting("eTelvanor", "Acesso", "DialUp", "Provedor");
    SaveSetting("eTelvanor", "Email", "Conta 1", "a");
    SaveSetting("eTelvanor", "Email", "Conta 2", "b");
    SaveSetting("eTelvanor2", "ini", "Y", "fica");
    SaveSetting("e-Telvanor", "ini", "Y", "fica");

    DeleteSetting("eTelvanor", "email", "CONTA 1");
    EXPECT_THAT(GetAllSettings("eTelvanor", "Email"), ElementsAre(Pair("Conta 2", "b")));
    DeleteSetting("eTelvanor", "Acesso");
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\eTelvanor\\Acesso"));
    EXPECT_EQ(GetSetting("eTelvanor", "ini", "Y"), "1130");

    DeleteSetting("ETELVANOR");
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\eTelvanor"));
    EXPECT_THAT(GetAllSettings("eTelvanor", "Email"), ElementsAre());
    EXPECT_EQ(GetSetting("eTelvanor2", "ini", "Y"), "fica");
    EXPECT_EQ(GetSetting("e-Telvanor", "ini", "Y"), "fica");
    EXPECT_TRUE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main"));

    // Deleting what is not there changes nothing.
    const std::string antes = Conteudo(ArquivoColmeia());
    DeleteSetting("eTelvanor");
    DeleteSetting("e-Telvanor", "Som");
    DeleteSetting("e-Telvanor", "ini", "Z");
    DeleteSetting("");
    EXPECT_EQ(Conteudo(ArquivoColmeia()), antes);
}

TEST_F(ConfiguracoesUsuario, SecaoRecriadaDepoisDeApagadaVaiParaOFim) {
    SaveSetting("App", "Email", "b", "1");
    SaveSetting("App", "Email", "a", "2");
    DeleteSetting("App", "Email");
    SaveSetting("App", "Email", "a", "3");
    SaveSetting("App", "Email", "b", "4");
    EXPECT_THAT(GetAllSettings("App", "Email"), ElementsAre(Pair("a", "3"), Pair("b", "4")));
}

} // namespace
