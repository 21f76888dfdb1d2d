// The autostart entry that mirrors the start-with-Windows value: its text for the commands the program
// writes, and its writing whenever that value, and only that value, is written.
#include "support/pastas_teste.h"

#include "platform/sessao/autoinicio.h"
#include "platform/texto/cp1252.h"
#include "support/substituicoes_contadas.h"

#include <gmock/gmock.h>

#include <cstdlib>

using namespace plataforma;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const struct {
    const char* comando;
    const char* exec; // as it stands in the file, after the quoting and the string escapes
} kCasosExec[] = {
    {"/opt/e-Telvanor/e-Telvanor3Std /bandeja", "/opt/e-Telvanor/e-Telvanor3Std /bandeja"},
    {"/home/ana/dir /x/e-Telvanor3Std /bandeja", "\"/home/ana/dir /x/e-Telvanor3Std\" /bandeja"},
    {"/opt/a b/e-Telvanor3Std", "\"/opt/a b/e-Telvanor3Std\""},
    {"  /opt/e-Telvanor3Std  /bandeja  ", "/opt/e-Telvanor3Std /bandeja"},
    {"/opt/$HOME/e-Telvanor3Std /bandeja", "\"/opt/\\\\$HOME/e-Telvanor3Std\" /bandeja"},
    {"/opt/a\"b/e-Telvanor3Std /bandeja", "\"/opt/a\\\\\"b/e-Telvanor3Std\" /bandeja"},
    {"/opt/a\\b/e-Telvanor3Std /bandeja", "\"/opt/a\\\\\\\\b/e-Telvanor3Std\" /bandeja"},
    {"/opt/100%/e-Telvanor3Std /bandeja", "/opt/100%%/e-Telvanor3Std /bandeja"},
    {"/opt/açaí/e-Telvanor3Std /bandeja", "/opt/açaí/e-Telvanor3Std /bandeja"},
};

// Each entry must also satisfy the desktop's own checker, where the machine has it.
TEST_F(PastasTeste, ExecCitadoPelasRegrasDaEntrada) {
    const bool validador = std::system("command -v desktop-file-validate >/dev/null 2>&1") == 0;
    std::vector<std::string> entradas;
    for (const auto& caso : kCasosExec) {
        entradas.push_back(EntradaAutoinicio(caso.comando, "/nao/usado"));
        EXPECT_THAT(entradas.back(), HasSubstr(std::string("\nExec=") + caso.exec + "\n")) << caso.comando;
        EXPECT_THAT(entradas.back(), Not(HasSubstr("Hidden"))) << caso.comando;
    }
    entradas.push_back(EntradaAutoinicio("  ", "/opt/meu programa/e-Telvanor3Std"));
    EXPECT_EQ(
        entradas.back(),
        "[Desktop Entry]\nType=Application\nName=e-Telvanor\nExec=\"/opt/meu programa/e-Telvanor3Std\"\n"
        "Terminal=false\nHidden=true\n");
    for (std::size_t i = 0; validador && i < entradas.size(); ++i) {
        const std::string arquivo = Raiz() + "/e-Telvanor" + std::to_string(i) + ".desktop";
        Grava(arquivo, entradas[i]);
        EXPECT_EQ(std::system(("desktop-file-validate '" + arquivo + "'").c_str()), 0) << entradas[i];
    }
}

TEST_F(PastasTeste, ValorRunEscreveAEntradaDaSessao) {
    const std::string arquivo = ConfigHome() + "/autostart/e-Telvanor.desktop";
    const auto gravaRun = [](const char* nome, const std::string& dados,
                             const char* subchave = "Software\\Microsoft\\Windows\\CurrentVersion\\Run") {
        return GravaValor(HKEY_CURRENT_USER, subchave, nome, REG_SZ, ParaCp1252(dados) + '\0');
    };
    ASSERT_EQ(gravaRun("e-Telvanor", "/home/ana/Programas São Paulo/e-Telvanor3Std /bandeja"), ERROR_SUCCESS);
    EXPECT_EQ(Conteudo(arquivo),
              "[Desktop Entry]\nType=Application\nName=e-Telvanor\n"
              "Exec=\"/home/ana/Programas São Paulo/e-Telvanor3Std\" /bandeja\nTerminal=false\n");
    ASSERT_EQ(gravaRun("E-TELVANOR", ""), ERROR_SUCCESS);
    EXPECT_THAT(Conteudo(arquivo), HasSubstr("\nHidden=true\n"));
    ASSERT_EQ(gravaRun("e-Telvanor", "/opt/e-Telvanor3Std /bandeja"), ERROR_SUCCESS);
    EXPECT_THAT(Conteudo(arquivo), Not(HasSubstr("Hidden")));
    EXPECT_EQ(Entradas(ConfigHome() + "/autostart"), std::vector<std::string>{"e-Telvanor.desktop"});
    SubstituicoesContadas substituicoes(ConfigHome() + "/autostart", "e-Telvanor.desktop");
    ASSERT_EQ(gravaRun("e-Telvanor", "/opt/e-Telvanor3Std /bandeja"), ERROR_SUCCESS);
    EXPECT_EQ(substituicoes.Contagem(), 0) << "the same command, as every start sets it, writes nothing";

    // Other values, and the same name under another key, leave the entry alone.
    const std::string antes = Conteudo(arquivo);
    ASSERT_EQ(gravaRun("Outro Programa", "/usr/bin/outro"), ERROR_SUCCESS);
    ASSERT_EQ(gravaRun("e-Telvanor", "", "Software\\Microsoft\\Internet Explorer\\Main"), ERROR_SUCCESS);
    EXPECT_EQ(Conteudo(arquivo), antes);
}

} // namespace
