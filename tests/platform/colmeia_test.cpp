// The hive: its exact text, every code surviving it, the keys a new hive holds, the order and spelling
// kept across rewrites, its mode, and the copy kept of a damaged file.
#include "pastas_teste.h"

#include "platform/colmeia.h"
#include "platform/colmeia_texto.h"
#include "platform/configuracoes_usuario.h"
#include "platform/cp1252.h"
#include "platform/registro_api.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <sys/stat.h>

using namespace plataforma;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

std::int32_t GravaValor(HKEY raiz, const char* subchave, const std::string& nome, std::uint32_t tipo,
                        const std::string& dados) {
    HKEY chave = 0;
    std::int32_t r = RegCreateKeyA(raiz, subchave, &chave);
    if (r == ERROR_SUCCESS)
        r = RegSetValueExA(chave, nome.c_str(), 0, tipo, reinterpret_cast<const std::uint8_t*>(dados.data()),
                           static_cast<std::uint32_t>(dados.size()));
    RegCloseKey(chave);
    return r;
}

class ArquivoDaColmeia : public PastasTeste {
protected:
    std::string arquivo = PastaUsuario() + "/registro.reg";
};

TEST_F(ArquivoDaColmeia, TextoDoArquivo) {
    EXPECT_EQ(ArquivoColmeia(), arquivo);
    SaveSetting("e-Telvanor", "Som", "Ligado", "1");
    GravaValor(HKEY_USERS, ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
               "EnableAutodial", REG_BINARY, std::string(4, '\0'));
    const std::string texto =
        std::string("a\"b\\c\r\x01\x7f\x81\x8d\x8f\x90\x9d") + ParaCp1252("é€") + '\0' + "\\";
    GravaValor(HKEY_CURRENT_USER, "Software\\Teste", "Nome \"citado\"", REG_SZ, texto + '\0');
    GravaValor(HKEY_CURRENT_USER, "Software\\Teste", "", REG_SZ, ParaCp1252("padrão") + '\0');
    GravaValor(HKEY_CURRENT_USER, "Software\\Teste", "Vazio", REG_BINARY, "");
    EXPECT_EQ(Conteudo(arquivo),
              "REGEDIT4\n\n"
              "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\n\n"
              "[HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
              "Settings]\n\"EnableAutodial\"=hex:00,00,00,00\n\n"
              "[HKEY_CURRENT_USER\\Software\\e-Telvanor\\Som]\n\"Ligado\"=\"1\"\n\n"
              "[HKEY_CURRENT_USER\\Software\\Teste]\n"
              "\"Nome \\\"citado\\\"\"=\"a\\\"b\\\\c\\x0d\\x01\\x7f\\x81\\x8d\\x8f\\x90\\x9dé€"
              "\\x00\\\\\"\n@=\"padrão\"\n\"Vazio\"=hex:\n");
    EXPECT_EQ(Modo(arquivo), 0600u);
    EXPECT_EQ(Modo(PastaUsuario()), 0700u);
}

TEST(TextoDaColmeia, CadaCodigoSozinhoNoNomeENosDados) {
    plataforma::Colmeia colmeia;
    ChaveColmeia& chave = colmeia.Garante("HKEY_CURRENT_USER\\Software\\Codigos");
    for (int codigo = 0; codigo < 256; ++codigo) {
        const std::string byte(1, static_cast<char>(codigo));
        // The number keeps apart the names that differ only in case.
        chave.DefineValor("t" + std::to_string(codigo) + byte, REG_SZ, byte);
        chave.DefineValor("b" + std::to_string(codigo) + byte, REG_BINARY, byte);
    }
    const LeituraColmeia lida = InterpretaColmeia(EscreveColmeia(colmeia));
    EXPECT_FALSE(lida.danificada);
    const ChaveColmeia* relida = lida.colmeia.Acha("HKEY_CURRENT_USER\\Software\\Codigos");
    ASSERT_TRUE(relida);
    ASSERT_EQ(relida->valores.size(), 512u);
    for (std::size_t i = 0; i < 512; ++i) {
        EXPECT_EQ(relida->valores[i].nome, chave.valores[i].nome) << i;
        EXPECT_EQ(relida->valores[i].dados, chave.valores[i].dados) << i;
        EXPECT_EQ(relida->valores[i].tipo, chave.valores[i].tipo) << i;
    }
}

TEST_F(ArquivoDaColmeia, TodosOsCodigosSobrevivemAoArquivo) {
    std::string todos;
    for (int codigo = 0; codigo < 256; ++codigo)
        todos += static_cast<char>(codigo);
    // A value name cannot hold NUL: the name is the codes 1 to 255.
    ASSERT_EQ(GravaValor(HKEY_CURRENT_USER, "Software\\Codigos", todos.substr(1), REG_SZ, todos + '\0'),
              ERROR_SUCCESS);
    ASSERT_EQ(GravaValor(HKEY_CURRENT_USER, "Software\\Codigos", "Binario", REG_BINARY, todos),
              ERROR_SUCCESS);
    const auto texto = LeValorRegistro("HKEY_CURRENT_USER\\Software\\Codigos", DeCp1252(todos.substr(1)));
    const auto binario = LeValorRegistro("hkey_current_user\\software\\codigos", "BINARIO");
    ASSERT_TRUE(texto && binario);
    EXPECT_EQ(texto->tipo, REG_SZ);
    EXPECT_EQ(texto->dados, todos + '\0');
    EXPECT_EQ(binario->tipo, REG_BINARY);
    EXPECT_EQ(binario->dados, todos);
    EXPECT_TRUE(ParaCp1252Exato(Conteudo(arquivo)).has_value()) << "the file is UTF-8 the code page carries";
}

TEST_F(ArquivoDaColmeia, SoAColmeiaNovaTemAsChavesDeTodoPerfil) {
    for (const char* chave :
         {"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
          "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main",
          "HKEY_USERS\\.Default\\software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
          "HKEY_USERS\\.DEFAULT", "HKEY_LOCAL_MACHINE"})
        EXPECT_TRUE(ExisteChaveRegistro(chave)) << chave;
    for (const char* chave :
         {"HKEY_CURRENT_USER\\Software\\e-Telvanor",
          "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Ru", "HKEY_FOO"})
        EXPECT_FALSE(ExisteChaveRegistro(chave)) << chave;
    EXPECT_THAT(Entradas(PastaUsuario()), ElementsAre()) << "reading makes no file";

    Grava(arquivo, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Outro]\n\"a\"=\"1\"\n");
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main"));
}

TEST_F(ArquivoDaColmeia, OrdemEGrafiaDaPrimeiraCriacaoFicam) {
    SaveSetting("App", "Secao", "Zeta", "1");
    SaveSetting("App", "Secao", "alfa", "2");
    SaveSetting("app", "SECAO", "ZETA", "3");
    SaveSetting("App", "Outra", "k", "v");
    SaveSetting("App", "secao", "Meio", "4");
    SaveSetting("APP", "Nova", "k", "v");
    const std::string texto = Conteudo(arquivo);
    EXPECT_THAT(texto, HasSubstr("[HKEY_CURRENT_USER\\Software\\App\\Secao]\n\"Zeta\"=\"3\"\n\"alfa\"=\"2\"\n"
                                 "\"Meio\"=\"4\"\n\n[HKEY_CURRENT_USER\\Software\\App\\Outra]\n"));
    EXPECT_THAT(texto, HasSubstr("\n[HKEY_CURRENT_USER\\Software\\App\\Nova]\n"));
    EXPECT_THAT(texto, ::testing::Not(HasSubstr("[HKEY_CURRENT_USER\\Software\\App]")))
        << "parents are implicit";
}

TEST(DadosDaColmeia, ChavePaiContinuaAoApagarAsFilhas) {
    plataforma::Colmeia colmeia;
    EXPECT_TRUE(colmeia.Cria("HKEY_CURRENT_USER\\A\\B\\C"));
    EXPECT_TRUE(colmeia.Cria("HKEY_CURRENT_USER\\AB"));
    EXPECT_FALSE(colmeia.Cria("hkey_current_user\\a\\b")) << "exists through its child";
    EXPECT_TRUE(colmeia.Remove("HKEY_CURRENT_USER\\a\\B"));
    EXPECT_FALSE(colmeia.Existe("HKEY_CURRENT_USER\\A\\B\\C"));
    const LeituraColmeia lida = InterpretaColmeia(EscreveColmeia(colmeia));
    EXPECT_TRUE(lida.colmeia.Existe("HKEY_CURRENT_USER\\A")) << "the parent stays, written on its own";
    EXPECT_TRUE(lida.colmeia.Existe("HKEY_CURRENT_USER\\AB")) << "a name that only begins alike stays";
    EXPECT_FALSE(lida.colmeia.Existe("HKEY_CURRENT_USER\\A\\B"));

    // A new key takes the first spelling of the parts that exist, the root's standard one included.
    plataforma::Colmeia nova = plataforma::Colmeia::Nova();
    EXPECT_EQ(nova.Garante("hkey_users\\.Default\\SOFTWARE\\Policies").caminho,
              "HKEY_USERS\\.DEFAULT\\Software\\Policies");
    EXPECT_EQ(nova.Garante("hkey_local_machine\\x").caminho, "HKEY_LOCAL_MACHINE\\x");
}

TEST(TextoDaColmeia, DanoEReconhecidoEOQueSeEntendeFica) {
    const std::string chave = "[HKEY_CURRENT_USER\\A]\n";
    for (const std::string resto : {"\"v\"=\"a\\qb\"\n",          // unknown escape
                                    "\"v\"=\"abc\n",              // no closing quote
                                    "\"v\"=\"1\" x\n",            // text after it
                                    "\"v\"=dword:01\n",           // a type we never write
                                    "\"v\"=hex:0,1\n",            // malformed bytes
                                    "; comentário\n",             // a line of no known form
                                    "\"v\"=\"中\"\n",             // outside the code page
                                    "\"v\"=\"\xff\"\n",           // not UTF-8
                                    "\"w\"=\"1\"\n\"W\"=\"2\"\n", // the same name twice
                                    "[HKEY_CURRENT_USER\\\\B]\n"}) {
        const LeituraColmeia lida = InterpretaColmeia("REGEDIT4\n" + chave + resto + "\"fica\"=\"1\"\n");
        EXPECT_TRUE(lida.danificada) << resto;
        const ChaveColmeia* a = lida.colmeia.Acha("HKEY_CURRENT_USER\\A");
        if (resto.front() != '[') {
            EXPECT_TRUE(a && a->Valor("fica")) << resto;
        }
    }
    EXPECT_TRUE(InterpretaColmeia(chave + "\"v\"=\"1\"\n").danificada) << "no REGEDIT4 line";
    for (const std::string sadio : {"\"v\"=\"1\"\r\n", "\"v\"=hex:0A,FF\n", "\"v\"=\"a\tb\"\n",
                                    "\"v\"=\"1\"\n[hkey_current_user\\a]\n\"w\"=\"2\"\n"})
        EXPECT_FALSE(InterpretaColmeia("REGEDIT4\n\n" + chave + sadio).danificada) << sadio;
}

TEST_F(ArquivoDaColmeia, ArquivoDanificadoGanhaCopiaAntesDeSerTrocado) {
    std::filesystem::create_directories(PastaUsuario());
    const std::string danificado =
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\e-Telvanor\\Som]\n\"Ligado\"=\"1\"\n"
        "linha que ninguém entende\n";
    Grava(arquivo, danificado);
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Ligado"), "1");
    EXPECT_THAT(Entradas(PastaUsuario()), ElementsAre("registro.reg")) << "reading alone changes nothing";

    ::testing::internal::CaptureStderr();
    SaveSetting("e-Telvanor", "Som", "Iniciando", "1");
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                HasSubstr("danificado; uma cópia foi guardada em " + arquivo + ".danificado"));
    EXPECT_EQ(Conteudo(arquivo + ".danificado"), danificado);
    EXPECT_EQ(Modo(arquivo + ".danificado"), 0600u);
    EXPECT_EQ(GetAllSettings("e-Telvanor", "Som").size(), 2u);

    ::testing::internal::CaptureStderr();
    SaveSetting("e-Telvanor", "Som", "Iniciando", "0");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "the rewritten file is sound";

    Grava(arquivo, "lixo");
    ::testing::internal::CaptureStderr();
    SaveSetting("e-Telvanor", "Som", "Ligado", "0");
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Conteudo(arquivo + ".danificado"), danificado) << "a later damage keeps the first copy";
    EXPECT_EQ(Conteudo(arquivo + ".danificado.2"), "lixo");
}

TEST_F(ArquivoDaColmeia, ArquivoIlegivelNaoETrocado) {
    std::filesystem::create_directories(arquivo); // a folder where the file should be
    ::testing::internal::CaptureStderr();
    SaveSetting("e-Telvanor", "Som", "Ligado", "1");
    HKEY chave = 0;
    EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\X", &chave), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE, &chave), ERROR_ACCESS_DENIED);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(), HasSubstr("não foi possível ler"));
    EXPECT_TRUE(std::filesystem::is_directory(arquivo));
}

} // namespace
