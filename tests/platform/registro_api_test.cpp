// The registry calls: handles and their result codes, keys created with their parents or only opened,
// and the bytes a text or binary value is stored with.
#include "pastas_teste.h"

#include "platform/colmeia.h"
#include "platform/configuracoes_usuario.h"
#include "platform/cp1252.h"
#include "platform/registro_api.h"

#include <gtest/gtest.h>

using namespace plataforma;

namespace {

using RegistroApi = PastasTeste;

std::int32_t GravaValor(HKEY chave, const std::string& nome, std::uint32_t tipo, const std::string& dados) {
    return RegSetValueExA(chave, nome.c_str(), 0, tipo, reinterpret_cast<const std::uint8_t*>(dados.data()),
                          static_cast<std::uint32_t>(dados.size()));
}

TEST_F(RegistroApi, CriaComOsPaisAbreSoOQueExiste) {
    HKEY politica = 0;
    ASSERT_EQ(RegCreateKeyA(HKEY_USERS,
                            ".Default\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel",
                            &politica),
              ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(politica), ERROR_SUCCESS);
    EXPECT_TRUE(ExisteChaveRegistro("HKEY_USERS\\.DEFAULT\\Software\\Policies\\Microsoft"));
    HKEY pai = 0, filha = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_USERS, ".DEFAULT\\SOFTWARE\\policies", 0, KEY_WRITE, &pai), ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyA(pai, "Nova", &filha), ERROR_SUCCESS);
    EXPECT_NE(pai, filha);
    EXPECT_EQ(GravaValor(filha, "HomePage", REG_SZ, std::string("1", 2)), ERROR_SUCCESS);
    RegCloseKey(filha);
    RegCloseKey(pai);
    EXPECT_TRUE(LeValorRegistro("HKEY_USERS\\.DEFAULT\\Software\\Policies\\Nova", "homepage"));
    HKEY nada = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Nada", 0, KEY_WRITE, &nada), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\Nada"));
}

TEST_F(RegistroApi, SubchaveVaziaEAPropriaChave) {
    HKEY chave = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_WRITE, &chave), ERROR_SUCCESS);
    EXPECT_EQ(GravaValor(chave, "Raiz", REG_SZ, std::string("r", 2)), ERROR_SUCCESS);
    RegCloseKey(chave);
    EXPECT_TRUE(LeValorRegistro("HKEY_CURRENT_USER", "Raiz"));
    // Creating with no subkey hands back the caller's own handle; closing a root leaves it usable.
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, nullptr, &chave), ERROR_SUCCESS);
    EXPECT_EQ(chave, HKEY_CURRENT_USER);
    EXPECT_EQ(RegCloseKey(chave), ERROR_SUCCESS);
    EXPECT_EQ(GravaValor(HKEY_CURRENT_USER, "Raiz", REG_SZ, std::string("s", 2)), ERROR_SUCCESS);
}

TEST_F(RegistroApi, CodigosDeFalha) {
    HKEY aberta = 0, fechada = 0, saida = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE, &aberta), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE, &fechada), ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(fechada), ERROR_SUCCESS);
    EXPECT_NE(aberta, fechada);
    const std::uint8_t byte = 0;
    const struct {
        const char* nome;
        std::int32_t obtido;
        std::int32_t esperado;
    } casos[] = {
        {"fechar de novo", RegCloseKey(fechada), ERROR_INVALID_HANDLE},
        {"gravar em fechada", RegSetValueExA(fechada, "v", 0, REG_SZ, &byte, 1), ERROR_INVALID_HANDLE},
        {"criar sob fechada", RegCreateKeyA(fechada, "x", &saida), ERROR_INVALID_HANDLE},
        {"handle zero", RegOpenKeyExA(0, "x", 0, KEY_WRITE, &saida), ERROR_INVALID_HANDLE},
        {"raiz inexistente", RegCreateKeyA(0x80000007u, "x", &saida), ERROR_INVALID_HANDLE},
        {"sem resultado", RegCreateKeyA(HKEY_CURRENT_USER, "x", nullptr), ERROR_INVALID_PARAMETER},
        {"barra inicial", RegCreateKeyA(HKEY_CURRENT_USER, "\\Software", &saida), ERROR_INVALID_PARAMETER},
        {"parte vazia", RegCreateKeyA(HKEY_CURRENT_USER, "Software\\\\x", &saida), ERROR_INVALID_PARAMETER},
        {"barra final", RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\", 0, KEY_WRITE, &saida),
         ERROR_INVALID_PARAMETER},
        {"quebra de linha", RegCreateKeyA(HKEY_CURRENT_USER, "a\nb", &saida), ERROR_INVALID_PARAMETER},
        {"tipo sem forma no arquivo", RegSetValueExA(aberta, "v", 0, 4, &byte, 1), ERROR_INVALID_PARAMETER},
        {"dados nulos", RegSetValueExA(aberta, "v", 0, REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(caso.obtido, caso.esperado) << caso.nome;
    RegCloseKey(aberta);
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\x"));
}

TEST_F(RegistroApi, BytesGuardadosPorTipo) {
    HKEY chave = 0;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Bytes", &chave), ERROR_SUCCESS);
    const struct {
        const char* nome;
        std::uint32_t tipo;
        std::string enviado;
        std::string lido;
    } casos[] = {
        {"texto com NUL final", REG_SZ, std::string("abc\0", 4), std::string("abc\0", 4)},
        {"texto sem NUL final", REG_SZ, "abc", std::string("abc\0", 4)},
        {"texto de zero bytes", REG_SZ, "", std::string(1, '\0')},
        {"NULs dentro do texto", REG_SZ, std::string("\0a\0\0b\0", 6), std::string("\0a\0\0b\0", 6)},
        {"quatro zeros", REG_BINARY, std::string(4, '\0'), std::string(4, '\0')},
        {"binário vazio", REG_BINARY, "", ""},
        {"binário que termina em zero", REG_BINARY, std::string("\xff\0", 2), std::string("\xff\0", 2)},
    };
    for (const auto& caso : casos) {
        ASSERT_EQ(GravaValor(chave, ParaCp1252(caso.nome), caso.tipo, caso.enviado), ERROR_SUCCESS)
            << caso.nome;
        const auto valor = LeValorRegistro("HKEY_CURRENT_USER\\Software\\Bytes", caso.nome);
        ASSERT_TRUE(valor) << caso.nome;
        EXPECT_EQ(valor->tipo, caso.tipo) << caso.nome;
        EXPECT_EQ(valor->dados, caso.lido) << caso.nome;
    }
    // Writing again changes type and data, keeping the name's first spelling and its place.
    EXPECT_EQ(GravaValor(chave, "QUATRO ZEROS", REG_SZ, std::string("x", 2)), ERROR_SUCCESS);
    RegCloseKey(chave);
    EXPECT_EQ(LeValorRegistro("HKEY_CURRENT_USER\\Software\\Bytes", "quatro zeros")->tipo, REG_SZ);
    EXPECT_NE(Conteudo(ArquivoColmeia()).find("\"quatro zeros\"=\"x\"\n\"bin"), std::string::npos);
}

TEST_F(RegistroApi, ChaveApagadaComHandleAberto) {
    SaveSetting("App", "Secao", "k", "v");
    HKEY chave = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\App\\Secao", 0, KEY_WRITE, &chave), ERROR_SUCCESS);
    DeleteSetting("App");
    EXPECT_EQ(GravaValor(chave, "k", REG_SZ, std::string("w", 2)), ERROR_KEY_DELETED);
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\App\\Secao")) << "not made again";
    EXPECT_EQ(RegCloseKey(chave), ERROR_SUCCESS);
}

} // namespace
