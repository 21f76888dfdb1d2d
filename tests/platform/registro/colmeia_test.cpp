// The hive: its exact text, every code surviving it, the keys a new hive holds, the order and spelling
// kept across rewrites, its mode, the copy kept of a damaged file; the registry calls over it, their
// handles, result codes and stored bytes; the per-user settings calls, their defaults and what each
// form of DeleteSetting removes.
#include "support/diagnosticos.h"
#include "support/pastas_teste.h"

#include "platform/registro/colmeia.h"
#include "platform/registro/colmeia_texto.h"
#include "platform/registro/configuracoes_usuario.h"
#include "platform/registro/registro_api.h"
#include "platform/texto/cp1252.h"
#include "support/colmeia_lida.h"

#include <gmock/gmock.h>

#include <filesystem>

using namespace plataforma;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

namespace {

class ArquivoDaColmeia : public PastasTeste {
protected:
    std::string arquivo = PastaUsuario() + "/registro.reg";
};

TEST_F(ArquivoDaColmeia, TextoDoArquivo) {
    SaveSetting("e-Telvanor", "Som", "Ligado", "1");
    GravaValor(HKEY_USERS, ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
               "EnableAutodial", REG_BINARY, std::string(4, '\0'));
    const std::string texto =
        std::string("a\"b\\c\r\x01\x1f ~\x7f\x80\x81\x8d\x8f\x90\x9d\x9e") + ParaCp1252("é€") + '\0' + "\\";
    GravaValor(HKEY_CURRENT_USER, "Software\\Teste", "Nome \"citado\"", REG_SZ, texto + '\0');
    GravaValor(HKEY_CURRENT_USER, "Software\\Teste", "", REG_SZ, ParaCp1252("padrão") + '\0');
    GravaValor(HKEY_CURRENT_USER, "Software\\Teste", "Vazio", REG_BINARY, "");
    // A key with values keeps its section when a subkey comes below it.
    GravaValor(HKEY_CURRENT_USER, "Software\\Teste\\Sub", "x", REG_SZ, std::string("1", 2));
    EXPECT_EQ(Conteudo(arquivo),
              "REGEDIT4\n\n"
              "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\n\n"
              "[HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
              "Settings]\n\"EnableAutodial\"=hex:00,00,00,00\n\n"
              "[HKEY_CURRENT_USER\\Software\\e-Telvanor\\Som]\n\"Ligado\"=\"1\"\n\n"
              "[HKEY_CURRENT_USER\\Software\\Teste]\n"
              "\"Nome \\\"citado\\\"\"=\"a\\\"b\\\\c\\x0d\\x01\\x1f ~\\x7f€\\x81\\x8d\\x8f\\x90\\x9džé€"
              "\\x00\\\\\"\n@=\"padrão\"\n\"Vazio\"=hex:\n\n"
              "[HKEY_CURRENT_USER\\Software\\Teste\\Sub]\n\"x\"=\"1\"\n");
    EXPECT_EQ(Modo(arquivo), 0600u);
    EXPECT_EQ(Modo(PastaUsuario()), 0700u);
}

TEST_F(ArquivoDaColmeia, TodosOsCodigosSobrevivemAoArquivo) {
    std::string todos;
    for (int codigo = 0; codigo < 256; ++codigo)
        todos += static_cast<char>(codigo);
    // Through the settings calls in UTF-8 and the registry calls in Windows-1252; a value name cannot
    // hold NUL, so the name is the codes 1 to 255.
    const std::string nome = DeCp1252(todos.substr(1));
    SaveSetting("Codigos", "Texto", nome, DeCp1252(todos));
    SaveSetting("Codigos", "Texto", "Fim em CR", "\r");
    // A text the code page cannot hold stays UTF-8, its quotes, controls and C1 codes escaped as ever.
    const std::string fora = "/música/中.wav\"\\\r\u0081";
    SaveSetting("Codigos", "Texto", "Fora", fora);
    ASSERT_EQ(GravaValor(HKEY_CURRENT_USER, "Software\\Codigos\\Texto", "Run", REG_SZ, "/home/łukasz/a"),
              ERROR_SUCCESS);
    ASSERT_EQ(GravaValor(HKEY_CURRENT_USER, "Software\\Codigos", "Binario", REG_BINARY, todos),
              ERROR_SUCCESS);
    EXPECT_EQ(GetSetting("codigos", "TEXTO", nome), DeCp1252(todos));
    EXPECT_EQ(GetSetting("Codigos", "Texto", "fim em cr"), "\r");
    EXPECT_EQ(GetSetting("Codigos", "Texto", "Fora"), fora);
    EXPECT_EQ(GetSetting("Codigos", "Texto", "Run"), "/home/łukasz/a");
    const auto texto = LeValorRegistro("HKEY_CURRENT_USER\\Software\\Codigos\\Texto", nome);
    const auto binario = LeValorRegistro("hkey_current_user\\software\\codigos", "BINARIO");
    ASSERT_TRUE(texto && binario);
    EXPECT_EQ(texto->tipo, REG_SZ);
    EXPECT_EQ(texto->dados, todos + '\0') << "Windows-1252 in the hive";
    EXPECT_EQ(binario->tipo, REG_BINARY);
    EXPECT_EQ(binario->dados, todos);
    EXPECT_THAT(Conteudo(arquivo), HasSubstr("\"Fora\"=\"/música/中.wav\\\"\\\\\\x0d\\x81\"\n"
                                             "\"Run\"=\"/home/łukasz/a\"\n"));
}

TEST_F(ArquivoDaColmeia, SoAColmeiaNovaTemAsChavesDeTodoPerfil) {
    for (const auto& [chave, existe] :
         {std::pair{"HKEY_USERS\\.Default\\software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                    true},
          {"HKEY_USERS\\.DEFAULT", true},
          {"HKEY_LOCAL_MACHINE", true},
          {"HKEY_CURRENT_USER\\Software\\e-Telvanor", false},
          {"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Ru", false},
          {"HKEY_FOO", false}})
        EXPECT_EQ(ExisteChaveRegistro(chave), existe) << chave;
    EXPECT_THAT(Entradas(PastaUsuario()), ElementsAre()) << "reading makes no file";
    Grava(arquivo, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Outro]\n\"a\"=\"1\"\n");
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main"));
}

TEST(TextoDaColmeia, DanoEReconhecidoEOQueSeEntendeFica) {
    const std::string chave = "[HKEY_CURRENT_USER\\A]\n";
    for (const std::string resto : {"\"v\"=\"a\\qb\"\n",          // unknown escape
                                    "\"v\"=\"abc\n",              // no closing quote
                                    "\"v\"=\"1\" x\n",            // text after it
                                    "\"v\"=dword:01\n",           // a type we never write
                                    "\"v\"=hex:0,1\n",            // malformed bytes
                                    "; comentário\n",             // a line of no known form
                                    "\"中\"=\"v\"\n",             // a name outside the code page
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
    for (const std::string sadio :
         {"\"v\"=\"1\"\r\n", "\"v\"=hex:0A,FF\n", "\"v\"=\"a\tb\"\n", "\"v\"=\"中\\x81\"\n",
          "\"v\"=\"1\"\n[hkey_current_user\\a]\n\"w\"=\"2\"\n"})
        EXPECT_FALSE(InterpretaColmeia("REGEDIT4\n\n" + chave + sadio).danificada) << sadio;
}

TEST_F(ArquivoDaColmeia, ArquivoDanificadoGanhaCopiaAntesDeSerTrocado) {
    DiagnosticosGuardados diagnosticos;
    std::filesystem::create_directories(PastaUsuario());
    const std::string danificado =
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\e-Telvanor\\Som]\n\"Ligado\"=\"1\"\n"
        "linha que ninguém entende\n";
    Grava(arquivo, danificado);
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Ligado"), "1");
    EXPECT_THAT(Entradas(PastaUsuario()), ElementsAre("registro.reg")) << "reading alone changes nothing";

    SaveSetting("e-Telvanor", "Som", "Iniciando", "1");
    EXPECT_THAT(diagnosticos.Retira(),
                HasSubstr("danificado; uma cópia foi guardada em " + arquivo + ".danificado"));
    EXPECT_EQ(Conteudo(arquivo + ".danificado"), danificado);
    EXPECT_EQ(Modo(arquivo + ".danificado"), 0600u);
    EXPECT_EQ(GetAllSettings("e-Telvanor", "Som").size(), 2u);

    SaveSetting("e-Telvanor", "Som", "Iniciando", "0");
    EXPECT_EQ(diagnosticos.Retira(), "") << "the rewritten file is sound";

    Grava(arquivo, "lixo");
    SaveSetting("e-Telvanor", "Som", "Ligado", "0");
    EXPECT_EQ(Conteudo(arquivo + ".danificado"), danificado) << "a later damage keeps the first copy";
    EXPECT_EQ(Conteudo(arquivo + ".danificado.2"), "lixo");
}

TEST_F(ArquivoDaColmeia, ArquivoIlegivelNaoETrocado) {
    DiagnosticosGuardados diagnosticos;
    std::filesystem::create_directories(arquivo); // a folder where the file should be
    SaveSetting("e-Telvanor", "Som", "Ligado", "1");
    HKEY chave = 0;
    EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\X", &chave), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE, &chave), ERROR_ACCESS_DENIED);
    EXPECT_THAT(diagnosticos.Retira(), HasSubstr("não foi possível ler"));
    EXPECT_TRUE(std::filesystem::is_directory(arquivo));
}

using RegistroApi = PastasTeste;

TEST_F(RegistroApi, CriaComOsPaisAbreSoOQueExiste) {
    ASSERT_EQ(GravaValor(HKEY_USERS, ".Default\\SOFTWARE\\Policies\\Microsoft\\Internet Explorer", "v",
                         REG_SZ, std::string(1, '\0')),
              ERROR_SUCCESS);
    HKEY pai = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_USERS, ".DEFAULT\\SOFTWARE\\policies", 0, KEY_WRITE, &pai), ERROR_SUCCESS);
    EXPECT_EQ(GravaValor(pai, "Nova", "HomePage", REG_SZ, std::string("1", 2)), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(pai), ERROR_SUCCESS) << "the child's handle was another";
    EXPECT_TRUE(LeValorRegistro("HKEY_USERS\\.DEFAULT\\Software\\Policies\\Nova", "homepage"));
    HKEY nada = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Nada", 0, KEY_WRITE, &nada), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\Nada"));
}

TEST_F(RegistroApi, CodigosDeFalha) {
    HKEY aberta = 0, fechada = 0, saida = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE, &aberta), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE, &fechada), ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(fechada), ERROR_SUCCESS);
    EXPECT_NE(aberta, fechada);
    const std::uint8_t byte = 0;
    for (const auto& [nome, obtido, esperado] :
         {std::tuple{"fechar de novo", RegCloseKey(fechada), ERROR_INVALID_HANDLE},
          {"gravar em fechada", RegSetValueExA(fechada, "v", 0, REG_SZ, &byte, 1), ERROR_INVALID_HANDLE},
          {"raiz inexistente", RegCreateKeyA(0x80000007u, "x", &saida), ERROR_INVALID_HANDLE},
          {"sem resultado", RegCreateKeyA(HKEY_CURRENT_USER, "x", nullptr), ERROR_INVALID_PARAMETER},
          {"barra inicial", RegCreateKeyA(HKEY_CURRENT_USER, "\\Software", &saida), ERROR_INVALID_PARAMETER},
          {"parte vazia", RegCreateKeyA(HKEY_CURRENT_USER, "Software\\\\x", &saida), ERROR_INVALID_PARAMETER},
          {"quebra de linha", RegCreateKeyA(HKEY_CURRENT_USER, "a\nb", &saida), ERROR_INVALID_PARAMETER},
          {"código 31", RegCreateKeyA(HKEY_CURRENT_USER, "a\037b", &saida), ERROR_INVALID_PARAMETER},
          {"tipo sem forma no arquivo", RegSetValueExA(aberta, "v", 0, 4, &byte, 1), ERROR_INVALID_PARAMETER},
          {"dados nulos", RegSetValueExA(aberta, "v", 0, REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER}})
        EXPECT_EQ(obtido, esperado) << nome;
    RegCloseKey(aberta);
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\x"));
}

TEST_F(RegistroApi, BytesGuardadosPorTipo) {
    HKEY chave = 0;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Bytes", &chave), ERROR_SUCCESS);
    for (const auto& [nome, tipo, enviado, lido] :
         std::initializer_list<std::tuple<const char*, std::uint32_t, std::string, std::string>>{
             {"texto sem NUL final", REG_SZ, "abc", std::string("abc\0", 4)},
             {"texto de zero bytes", REG_SZ, "", std::string(1, '\0')},
             {"binário vazio", REG_BINARY, "", ""},
             {"binário que termina em zero", REG_BINARY, std::string("\xff\0", 2),
              std::string("\xff\0", 2)}}) {
        ASSERT_EQ(GravaValor(chave, ParaCp1252(nome), tipo, enviado), ERROR_SUCCESS) << nome;
        const auto valor = LeValorRegistro("HKEY_CURRENT_USER\\Software\\Bytes", nome);
        ASSERT_TRUE(valor) << nome;
        EXPECT_EQ(valor->tipo, tipo) << nome;
        EXPECT_EQ(valor->dados, lido) << nome;
    }
    // The same bytes under another type are a change.
    ASSERT_EQ(GravaValor(chave, ParaCp1252("texto sem NUL final"), REG_BINARY, "abc"), ERROR_SUCCESS);
    EXPECT_EQ(LeValorRegistro("HKEY_CURRENT_USER\\Software\\Bytes", "texto sem NUL final")->tipo, REG_BINARY);
    // Writing again changes type and data, keeping the name's first spelling and its place.
    EXPECT_EQ(GravaValor(chave, ParaCp1252("BINÁRIO VAZIO"), REG_SZ, std::string("x", 2)), ERROR_SUCCESS);
    RegCloseKey(chave);
    EXPECT_EQ(LeValorRegistro("HKEY_CURRENT_USER\\Software\\Bytes", "binário vazio")->tipo, REG_SZ);
    EXPECT_THAT(Conteudo(ArquivoColmeia()), HasSubstr("\"binário vazio\"=\"x\"\n\"binário que"));
}

using ConfiguracoesUsuario = PastasTeste;

TEST_F(ConfiguracoesUsuario, AusenteOuNomeInvalidoDaOPadrao) {
    SaveSetting("e-Telvanor", "ini", "X", "1130");
    for (const auto& [aplicacao, secao, chave] :
         {std::tuple{"eTelvanor", "ini", "X"}, {"e-Telvanor", "Som", "X"}, {"e-Telvanor", "ini", "Y"}})
        EXPECT_EQ(GetSetting(aplicacao, secao, chave, "p"), "p") << aplicacao << "/" << secao << "/" << chave;
    EXPECT_THAT(GetAllSettings("e-Telvanor", "Som"), ElementsAre());
    const std::string antes = Conteudo(ArquivoColmeia());
    for (const auto& [aplicacao, secao, chave] : {std::tuple{"", "ini", "X"},
                                                  {"e-Telvanor", "", "X"},
                                                  {"e-Telvanor\\ini", "", "X"},
                                                  {"e-Telvanor", "in\ni", "X"},
                                                  {"e-Telvanor", "ini", ""}}) {
        SaveSetting(aplicacao, secao, chave, "1");
        EXPECT_EQ(GetSetting(aplicacao, secao, chave, "p"), "p") << aplicacao << "/" << secao << "/" << chave;
    }
    EXPECT_EQ(Conteudo(ArquivoColmeia()), antes) << "an invalid name writes nothing";
}

TEST_F(ConfiguracoesUsuario, ApagarValorSecaoOuAplicacao) {
    SaveSetting("eTelvanor", "ini", "Y", "1130");
    SaveSetting("eTelvanor", "Acesso", "DialUp", "Provedor");
    SaveSetting("eTelvanor", "Email", "Conta 1", "a");
    SaveSetting("eTelvanor", "Email", "Conta 2", "b");
    SaveSetting("eTelvanor2", "ini", "Y", "fica");
    DeleteSetting("eTelvanor", "email", "CONTA 1");
    EXPECT_THAT(GetAllSettings("eTelvanor", "Email"), ElementsAre(Pair("Conta 2", "b")));
    HKEY aberta = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\eTelvanor\\Acesso", 0, KEY_WRITE, &aberta),
              ERROR_SUCCESS);
    DeleteSetting("eTelvanor", "Acesso");
    EXPECT_EQ(GravaValor(aberta, "k", REG_SZ, std::string("w", 2)), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(aberta), ERROR_SUCCESS);
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\eTelvanor\\Acesso")) << "not made again";
    EXPECT_EQ(GetSetting("eTelvanor", "ini", "Y"), "1130");
    DeleteSetting("ETELVANOR");
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\eTelvanor"));
    EXPECT_EQ(GetSetting("eTelvanor2", "ini", "Y"), "fica") << "a name that only begins alike stays";
    const std::string antes = Conteudo(ArquivoColmeia());
    DeleteSetting("eTelvanor");
    DeleteSetting("eTelvanor2", "Som");
    DeleteSetting("eTelvanor2", "ini", "Z");
    EXPECT_EQ(Conteudo(ArquivoColmeia()), antes) << "deleting what is not there changes nothing";
}

} // namespace
