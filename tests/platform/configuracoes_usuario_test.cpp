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
    for (int codigo = 0; codigo < 256; ++codigo)
        todos += DeCp1252(std::string(1, static_cast<char>(codigo)));
    SaveSetting("e-Telvanor", "Acesso", "Senha", todos);
    SaveSetting("e-Telvanor", "Acesso", "Fim em CR", "\r");
    SaveSetting("e-Telvanor", "Acesso", "Só NUL", std::string(1, '\0'));
    SaveSetting("e-Telvanor", "Som", "Bom Dia", "/música/中.wav");
    EXPECT_EQ(GetSetting("e-Telvanor", "acesso", "senha"), todos);
    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "Fim em CR"), "\r");
    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "só nul"), std::string(1, '\0'));
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Bom Dia"), "/música/?.wav") << "outside the code page";
    const auto valor = LeValorRegistro("HKEY_CURRENT_USER\\Software\\e-Telvanor\\Acesso", "Senha");
    ASSERT_TRUE(valor);
    EXPECT_EQ(valor->dados, ParaCp1252(todos) + '\0') << "Windows-1252 in the hive";
}

TEST_F(ConfiguracoesUsuario, AusenteOuNomeInvalidoDaOPadrao) {
    SaveSetting("e-Telvanor", "ini", "X", "1130");
    for (const auto& [aplicacao, secao, chave] : {std::tuple{"eTelvanor", "ini", "X"},
                                                  {"e-Telvanor", "Som", "X"},
                                                  {"e-Telvanor", "ini", "Y"},
                                                  {"", "ini", "X"},
                                                  {"e-Telvanor", "", "X"},
                                                  {"e-Telvanor\\ini", "", "X"}})
        EXPECT_EQ(GetSetting(aplicacao, secao, chave, "p"), "p") << aplicacao << "/" << secao << "/" << chave;
    EXPECT_THAT(GetAllSettings("e-Telvanor", "Som"), ElementsAre());
    const std::string antes = Conteudo(ArquivoColmeia());
    SaveSetting("", "ini", "X", "1");
    SaveSetting("e-Telvanor", "", "X", "1");
    SaveSetting("e-Telvanor", "ini", "", "1");
    SaveSetting("e-Telvanor", "in\ni", "X", "1");
    EXPECT_EQ(Conteudo(ArquivoColmeia()), antes);
}

TEST_F(ConfiguracoesUsuario, SecoesEChavesSemCaixaNaOrdemDeCriacao) {
    SaveSetting("e-Telvanor", "ini", "X", "1130");
    SaveSetting("e-Telvanor", "Ini", "Iniciar Com Windows", "1");
    SaveSetting("e-Telvanor", "INI", "x", "10");
    SaveSetting("e-Telvanor", "ini", "Versão", "31");
    EXPECT_EQ(GetSetting("E-TELVANOR", "iNi", "VERSÃO"), "31");
    EXPECT_THAT(GetAllSettings("e-Telvanor", "Ini"),
                ElementsAre(Pair("X", "10"), Pair("Iniciar Com Windows", "1"), Pair("Versão", "31")));
    // A section made again after being deleted starts a new order.
    DeleteSetting("e-Telvanor", "ini");
    SaveSetting("e-Telvanor", "ini", "Y", "1");
    SaveSetting("e-Telvanor", "ini", "X", "2");
    EXPECT_THAT(GetAllSettings("e-Telvanor", "ini"), ElementsAre(Pair("Y", "1"), Pair("X", "2")));
}

TEST_F(ConfiguracoesUsuario, ApagarValorSecaoOuAplicacao) {
    SaveSetting("eTelvanor", "ini", "Y", "1130");
    SaveSetting("eTelvanor", "Acesso", "DialUp", "Provedor");
    SaveSetting("eTelvanor", "Email", "Conta 1", "a");
    SaveSetting("eTelvanor", "Email", "Conta 2", "b");
    SaveSetting("eTelvanor2", "ini", "Y", "fica");
    DeleteSetting("eTelvanor", "email", "CONTA 1");
    EXPECT_THAT(GetAllSettings("eTelvanor", "Email"), ElementsAre(Pair("Conta 2", "b")));
    DeleteSetting("eTelvanor", "Acesso");
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\eTelvanor\\Acesso"));
    EXPECT_EQ(GetSetting("eTelvanor", "ini", "Y"), "1130");
    DeleteSetting("ETELVANOR");
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\eTelvanor"));
    EXPECT_THAT(GetAllSettings("eTelvanor", "Email"), ElementsAre());
    EXPECT_EQ(GetSetting("eTelvanor2", "ini", "Y"), "fica") << "a name that only begins alike stays";
    const std::string antes = Conteudo(ArquivoColmeia());
    DeleteSetting("eTelvanor");
    DeleteSetting("eTelvanor2", "Som");
    DeleteSetting("eTelvanor2", "ini", "Z");
    EXPECT_EQ(Conteudo(ArquivoColmeia()), antes) << "deleting what is not there changes nothing";
}

} // namespace
