// The hive file: its exact text, every code surviving it, the keys a new hive holds, the order and
// spelling kept across rewrites, its mode, and the copy kept of a damaged file.
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

constexpr const char* kRun = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kMain = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";
constexpr const char* kInternet =
    "HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

std::int32_t GravaValor(HKEY raiz, const std::string& subchave, const std::string& nome, std::uint32_t tipo,
                        const std::string& dados) {
    HKEY chave = 0;
    std::int32_t r = RegCreateKeyA(raiz, subchave.c_str(), &chave);
    if (r != ERROR_SUCCESS)
        return r;
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
    SaveSetting("e-Telvanor", "Som", "Bom Dia", "/home/ana/e-Telvanor/e-bomdia.wav");
    ASSERT_EQ(GravaValor(HKEY_USERS,
                         ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                         "EnableAutodial", REG_BINARY, std::string(4, '\0')),
              ERROR_SUCCESS);
    const std::string texto =
        std::string("a\"b\\c\r\x01\x7f\x81\x8d\x8f\x90\x9d") + ParaCp1252("é€") + '\0' + "\x9f";
    ASSERT_EQ(GravaValor(HKEY_CURRENT_USER, "Software\\Teste", "Nome \"citado\"", REG_SZ, texto + '\0'),
              ERROR_SUCCESS);
    ASSERT_EQ(GravaValor(HKEY_CURRENT_USER, "Software\\Teste", "", REG_SZ, ParaCp1252("padrão") + '\0'),
              ERROR_SUCCESS);
    ASSERT_EQ(GravaValor(HKEY_CURRENT_USER, "Software\\Teste", "Vazio", REG_BINARY, ""), ERROR_SUCCESS);
    EXPECT_EQ(Conteudo(arquivo),
              "REGEDIT4\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\n"
              "\n"
              "[HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]\n"
              "\"EnableAutodial\"=hex:00,00,00,00\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\e-Telvanor\\Som]\n"
              "\"Ligado\"=\"1\"\n"
              "\"Bom Dia\"=\"/home/ana/e-Telvanor/e-bomdia.wav\"\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Teste]\n"
              "\"Nome \\\"citado\\\"\"=\"a\\\"b\\\\c\\x0d\\x01\\x7f\\x81\\x8d\\x8f\\x90\\x9dé€\\x00Ÿ\"\n"
              "@=\"padrão\"\n"
              "\"Vazio\"=hex:\n");
}

TEST_F(ArquivoDaColmeia, TodosOsCodigosSobrevivemAoArquivo) {
    std::string todos;
    for (int codigo = 0; codigo < 256; ++codigo) {
        const std::string byte(1, static_cast<char>(codigo));
        todos += byte;
        ASSERT_EQ(GravaValor(HKEY_CURRENT_USER, "Software\\Codigos", "c" + std::to_string(codigo), REG_SZ,
                             byte + '\0'),
                  ERROR_SUCCESS);
    }
    // A value name cannot hold NUL: the name is the codes 1 to 255.
    ASSERT_EQ(GravaValor(HKEY_CURRENT_USER, "Software\\Codigos", todos.substr(1), REG_SZ, todos + '\0'),
              ERROR_SUCCESS);
    ASSERT_EQ(GravaValor(HKEY_CURRENT_USER, "Software\\Codigos", "binario", REG_BINARY, todos),
              ERROR_SUCCESS);
    for (int codigo = 0; codigo < 256; ++codigo) {
        const auto valor =
            LeValorRegistro("HKEY_CURRENT_USER\\Software\\Codigos", "c" + std::to_string(codigo));
        ASSERT_TRUE(valor) << codigo;
        EXPECT_EQ(valor->tipo, REG_SZ);
        EXPECT_EQ(valor->dados, std::string(1, static_cast<char>(codigo)) + '\0') << "código " << codigo;
    }
    const auto longo = LeValorRegistro("HKEY_CURRENT_USER\\Software\\Codigos", DeCp1252(todos.substr(1)));
    ASSERT_TRUE(longo);
    EXPECT_EQ(longo->dados, todos + '\0');
    const auto binario = LeValorRegistro("HKEY_CURRENT_USER\\Software\\Codigos", "BINARIO");
    ASSERT_TRUE(binario);
    EXPECT_EQ(binario->tipo, REG_BINARY);
    EXPECT_EQ(binario->dados, todos);
    // The whole file stays valid UTF-8 that the code page can carry.
    EXPECT_TRUE(ParaCp1252Exato(Conteudo(arquivo)).has_value());
    EXPECT_FALSE(InterpretaColmeia(Conteudo(arquivo)).danificada);
}

TEST_F(ArquivoDaColmeia, ColmeiaNovaTemAsChavesDeTodoPerfil) {
    for (const char* chave : {kRun, kMain, kInternet, "HKEY_USERS\\.Default\\software\\microsoft",
                              "hkey_current_user\\SOFTWARE", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"})
        EXPECT_TRUE(ExisteChaveRegistro(chave)) << chave;
    for (const char* chave :
         {"HKEY_CURRENT_USER\\Software\\e-Telvanor", "HKEY_USERS\\.DEFAULT\\Software\\Policies",
          "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Ru", "HKEY_FOO"})
        EXPECT_FALSE(ExisteChaveRegistro(chave)) << chave;
    // Reading makes no file; the first write does.
    EXPECT_THAT(Entradas(PastaUsuario()), ElementsAre());
    SaveSetting("e-Telvanor", "ini", "X", "1130");
    EXPECT_THAT(Entradas(PastaUsuario()), ElementsAre("registro.reg"));
    EXPECT_TRUE(ExisteChaveRegistro(kMain));
}

TEST_F(ArquivoDaColmeia, ArquivoExistenteNaoGanhaAsChavesDeNovo) {
    std::filesystem::create_directories(PastaUsuario());
    Grava(arquivo, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Outro]\n\"a\"=\"1\"\n");
    EXPECT_FALSE(ExisteChaveRegistro(kMain));
    HKEY chave = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main", 0, KEY_WRITE,
                            &chave),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(ArquivoDaColmeia, OrdemEGrafiaDaPrimeiraCriacaoFicam) {
    SaveSetting("App", "Secao", "Zeta", "1");
    SaveSetting("App", "Secao", "alfa", "2");
    SaveSetting("app", "SECAO", "ZETA", "3");
    SaveSetting("App", "Outra", "k", "v");
    SaveSetting("App", "secao", "Meio", "4");
    const std::string texto = Conteudo(arquivo);
    EXPECT_THAT(texto, HasSubstr("[HKEY_CURRENT_USER\\Software\\App\\Secao]\n\"Zeta\"=\"3\"\n\"alfa\"=\"2\"\n"
                                 "\"Meio\"=\"4\"\n\n[HKEY_CURRENT_USER\\Software\\App\\Outra]\n"));
    EXPECT_THAT(texto, ::testing::Not(HasSubstr("[HKEY_CURRENT_USER\\Software\\App]")));
}

TEST(DadosDaColmeia, ChavePaiContinuaAoApagarAsFilhas) {
    plataforma::Colmeia colmeia;
    EXPECT_TRUE(colmeia.Cria("HKEY_CURRENT_USER\\A\\B\\C"));
    EXPECT_TRUE(colmeia.Cria("HKEY_CURRENT_USER\\AB"));
    EXPECT_FALSE(colmeia.Cria("hkey_current_user\\a\\b")); // exists through its child
    EXPECT_TRUE(colmeia.Remove("HKEY_CURRENT_USER\\a\\B"));
    EXPECT_FALSE(colmeia.Existe("HKEY_CURRENT_USER\\A\\B"));
    EXPECT_FALSE(colmeia.Existe("HKEY_CURRENT_USER\\A\\B\\C"));
    EXPECT_TRUE(colmeia.Existe("HKEY_CURRENT_USER\\A"));
    EXPECT_TRUE(colmeia.Existe("HKEY_CURRENT_USER\\AB")); // a name that only begins alike stays
    EXPECT_FALSE(colmeia.Remove("HKEY_CURRENT_USER\\A\\B"));

    // The parent that stays is written, and so read back.
    const LeituraColmeia lida = InterpretaColmeia(EscreveColmeia(colmeia));
    EXPECT_FALSE(lida.danificada);
    EXPECT_TRUE(lida.colmeia.Existe("HKEY_CURRENT_USER\\A"));
    EXPECT_TRUE(lida.colmeia.Existe("HKEY_CURRENT_USER\\AB"));
}

TEST_F(ArquivoDaColmeia, ArquivoTemModo0600EmPastaDoUsuario) {
    std::filesystem::create_directories(PastaUsuario());
    Grava(arquivo, "REGEDIT4\n");
    ::chmod(arquivo.c_str(), 0644);
    SaveSetting("e-Telvanor", "ini", "X", "1");
    EXPECT_EQ(Modo(arquivo), 0600u);
    EXPECT_EQ(Modo(PastaUsuario()), 0700u);
    EXPECT_THAT(Entradas(PastaUsuario()), ElementsAre("registro.reg"));
}

TEST_F(ArquivoDaColmeia, TextoDanificadoEReconhecido) {
    const struct {
        const char* nome;
        std::string texto;
        std::vector<std::string> restam; // "key|value" still read
    } casos[] = {
        {"sem cabeçalho", "[HKEY_CURRENT_USER\\A]\n\"v\"=\"1\"\n", {"HKEY_CURRENT_USER\\A|v"}},
        {"escape desconhecido",
         "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"a\\qb\"\n\"w\"=\"2\"\n",
         {"HKEY_CURRENT_USER\\A|w"}},
        {"aspas sem fim",
         "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"abc\n\"w\"=\"2\"\n",
         {"HKEY_CURRENT_USER\\A|w"}},
        {"resto após as aspas", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"1\" x\n", {}},
        {"tipo desconhecido", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=dword:00000001\n", {}},
        {"hex malformado", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=hex:0,1\n\"w\"=hex:00,\n", {}},
        {"valor antes de chave", "REGEDIT4\n\"v\"=\"1\"\n[HKEY_CURRENT_USER\\A]\n", {}},
        {"linha estranha",
         "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n; comentário\n\"v\"=\"1\"\n",
         {"HKEY_CURRENT_USER\\A|v"}},
        {"caractere fora da página",
         "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"中\"\n",
         {"HKEY_CURRENT_USER\\A|v"}},
        {"UTF-8 inválido", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"\xff\"\n", {"HKEY_CURRENT_USER\\A|v"}},
        {"valor repetido",
         "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"1\"\n\"V\"=\"2\"\n",
         {"HKEY_CURRENT_USER\\A|v"}},
        {"chave com parte vazia", "REGEDIT4\n[HKEY_CURRENT_USER\\\\A]\n\"v\"=\"1\"\n", {}},
    };
    for (const auto& caso : casos) {
        const LeituraColmeia leitura = InterpretaColmeia(caso.texto);
        EXPECT_TRUE(leitura.danificada) << caso.nome;
        for (const std::string& resta : caso.restam) {
            const auto barra = resta.find('|');
            const ChaveColmeia* chave = leitura.colmeia.Acha(resta.substr(0, barra));
            EXPECT_TRUE(chave && chave->Valor(resta.substr(barra + 1))) << caso.nome << ": " << resta;
        }
    }
    const struct {
        const char* nome;
        std::string texto;
    } sadios[] = {
        {"fins de linha CR LF", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"1\"\r\n"},
        {"hex em maiúsculas", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=hex:0A,FF\n"},
        {"bloco repetido",
         "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"1\"\n[hkey_current_user\\a]\n\"w\"=\"2\"\n"},
        {"controle literal", "REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"a\tb\"\n"},
    };
    for (const auto& caso : sadios)
        EXPECT_FALSE(InterpretaColmeia(caso.texto).danificada) << caso.nome;
}

TEST_F(ArquivoDaColmeia, ArquivoDanificadoGanhaCopiaAntesDeSerTrocado) {
    std::filesystem::create_directories(PastaUsuario());
    const std::string danificado = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\e-Telvanor\\Som]\n"
                                   "\"Ligado\"=\"1\"\n"
                                   "linha que ninguém entende\n";
    Grava(arquivo, danificado);

    // Reading alone changes nothing.
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Ligado"), "1");
    EXPECT_THAT(Entradas(PastaUsuario()), ElementsAre("registro.reg"));

    ::testing::internal::CaptureStderr();
    SaveSetting("e-Telvanor", "Som", "Iniciando", "1");
    const std::string aviso = ::testing::internal::GetCapturedStderr();
    EXPECT_THAT(aviso, HasSubstr("danificado"));
    EXPECT_THAT(aviso, HasSubstr(arquivo + ".danificado"));
    EXPECT_THAT(Entradas(PastaUsuario()), ElementsAre("registro.reg", "registro.reg.danificado"));
    EXPECT_EQ(Conteudo(arquivo + ".danificado"), danificado);
    EXPECT_EQ(Modo(arquivo + ".danificado"), 0600u);
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Ligado"), "1");
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Iniciando"), "1");

    // The rewritten file is sound: the next write keeps no copy.
    ::testing::internal::CaptureStderr();
    SaveSetting("e-Telvanor", "Som", "Iniciando", "0");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

    // A later damage never overwrites the first copy.
    Grava(arquivo, "lixo");
    ::testing::internal::CaptureStderr();
    SaveSetting("e-Telvanor", "Som", "Ligado", "0");
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Conteudo(arquivo + ".danificado"), danificado);
    EXPECT_EQ(Conteudo(arquivo + ".danificado.2"), "lixo");
}

TEST_F(ArquivoDaColmeia, ArquivoIlegivelNaoETrocado) {
    std::filesystem::create_directories(arquivo); // a folder where the file should be
    ::testing::internal::CaptureStderr();
    SaveSetting("e-Telvanor", "Som", "Ligado", "1");
    HKEY chave = 0;
    EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\X", &chave), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE, &chave), ERROR_ACCESS_DENIED);
    ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(std::filesystem::is_directory(arquivo));
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Ligado", "padrão"), "padrão");
}

} // namespace
