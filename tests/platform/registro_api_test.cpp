// The registry calls: handles and their result codes, keys created with their parents or only
// opened, and the bytes a text or binary value is stored with.
#include "pastas_teste.h"

#include "platform/colmeia.h"
#include "platform/configuracoes_usuario.h"
#include "platform/cp1252.h"
#include "platform/registro_api.h"

#include <gtest/gtest.h>

#include <set>

using namespace plataforma;

namespace {

class RegistroApi : public PastasTeste {
protected:
    static std::int32_t Grava(HKEY chave, const char* nome, std::uint32_t tipo, const std::string& dados) {
        return RegSetValueExA(chave, nome, 0, tipo, reinterpret_cast<const std::uint8_t*>(dados.data()),
                              static_cast<std::uint32_t>(dados.size()));
    }
};

TEST_F(RegistroApi, CriaComOsPaisOuAbreAExistente) {
    HKEY criada = 0;
    ASSERT_EQ(RegCreateKeyA(HKEY_USERS,
                            ".Default\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel",
                            &criada),
              ERROR_SUCCESS);
    EXPECT_NE(criada, 0u);
    EXPECT_EQ(RegCloseKey(criada), ERROR_SUCCESS);
    for (const char* chave :
         {"HKEY_USERS\\.DEFAULT\\Software\\Policies",
          "HKEY_USERS\\.DEFAULT\\Software\\Policies\\Microsoft\\Internet Explorer",
          "HKEY_USERS\\.DEFAULT\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel"})
        EXPECT_TRUE(ExisteChaveRegistro(chave)) << chave;

    // Creating again only opens it, and the seeded sibling is still there.
    ASSERT_EQ(RegCreateKeyA(HKEY_USERS, ".DEFAULT\\SOFTWARE\\policies", &criada), ERROR_SUCCESS);
    HKEY relativa = 0;
    ASSERT_EQ(RegCreateKeyA(criada, "Nova", &relativa), ERROR_SUCCESS);
    EXPECT_EQ(Grava(relativa, "HomePage", REG_SZ, std::string("1", 2)), ERROR_SUCCESS);
    RegCloseKey(relativa);
    RegCloseKey(criada);
    const auto valor = LeValorRegistro("HKEY_USERS\\.DEFAULT\\Software\\Policies\\Nova", "homepage");
    ASSERT_TRUE(valor);
    EXPECT_EQ(valor->dados, std::string("1", 2));
    EXPECT_TRUE(
        ExisteChaveRegistro("HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
                            "Settings"));
}

TEST_F(RegistroApi, AbrirSoAchaChaveExistente) {
    HKEY chave = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main", 0, KEY_WRITE,
                            &chave),
              ERROR_SUCCESS);
    RegCloseKey(chave);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Nada", 0, KEY_WRITE, &chave), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\Nada"));
    // An empty subkey is the root key itself.
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_WRITE, &chave), ERROR_SUCCESS);
    EXPECT_EQ(Grava(chave, "Raiz", REG_SZ, std::string("r", 2)), ERROR_SUCCESS);
    RegCloseKey(chave);
    EXPECT_TRUE(LeValorRegistro("HKEY_CURRENT_USER", "Raiz"));
    HKEY mesma = 0;
    EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, nullptr, &mesma), ERROR_SUCCESS);
    EXPECT_EQ(mesma, HKEY_CURRENT_USER);
    EXPECT_EQ(RegCloseKey(mesma), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_WRITE, &chave), ERROR_SUCCESS); // still usable
    RegCloseKey(chave);
}

TEST_F(RegistroApi, CodigosDeFalha) {
    HKEY aberta = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE, &aberta), ERROR_SUCCESS);
    HKEY fechada = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE, &fechada), ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(fechada), ERROR_SUCCESS);
    HKEY saida = 0;
    const std::uint8_t byte = 0;
    const struct {
        const char* nome;
        std::int32_t obtido;
        std::int32_t esperado;
    } casos[] = {
        {"fechar de novo", RegCloseKey(fechada), ERROR_INVALID_HANDLE},
        {"gravar em fechada", RegSetValueExA(fechada, "v", 0, REG_SZ, &byte, 1), ERROR_INVALID_HANDLE},
        {"abrir sob fechada", RegOpenKeyExA(fechada, "x", 0, KEY_WRITE, &saida), ERROR_INVALID_HANDLE},
        {"criar sob fechada", RegCreateKeyA(fechada, "x", &saida), ERROR_INVALID_HANDLE},
        {"handle zero", RegSetValueExA(0, "v", 0, REG_SZ, &byte, 1), ERROR_INVALID_HANDLE},
        {"handle inventado", RegCloseKey(0x12345), ERROR_INVALID_HANDLE},
        {"raiz inexistente", RegCreateKeyA(0x80000007u, "x", &saida), ERROR_INVALID_HANDLE},
        {"sem resultado", RegCreateKeyA(HKEY_CURRENT_USER, "x", nullptr), ERROR_INVALID_PARAMETER},
        {"abrir sem resultado", RegOpenKeyExA(HKEY_CURRENT_USER, "x", 0, KEY_WRITE, nullptr),
         ERROR_INVALID_PARAMETER},
        {"barra inicial", RegCreateKeyA(HKEY_CURRENT_USER, "\\Software", &saida), ERROR_INVALID_PARAMETER},
        {"parte vazia", RegCreateKeyA(HKEY_CURRENT_USER, "Software\\\\x", &saida), ERROR_INVALID_PARAMETER},
        {"barra final", RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\", 0, KEY_WRITE, &saida),
         ERROR_INVALID_PARAMETER},
        {"quebra de linha", RegCreateKeyA(HKEY_CURRENT_USER, "a\nb", &saida), ERROR_INVALID_PARAMETER},
        {"tipo não guardado", RegSetValueExA(aberta, "v", 0, 4, &byte, 1), ERROR_INVALID_PARAMETER},
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
        {"texto vazio", REG_SZ, std::string(1, '\0'), std::string(1, '\0')},
        {"texto de zero bytes", REG_SZ, "", std::string(1, '\0')},
        {"NULs dentro do texto", REG_SZ, std::string("\0a\0\0b\0", 6), std::string("\0a\0\0b\0", 6)},
        {"quatro zeros", REG_BINARY, std::string(4, '\0'), std::string(4, '\0')},
        {"binário vazio", REG_BINARY, "", ""},
        {"binário que termina em zero", REG_BINARY, std::string("\xff\0", 2), std::string("\xff\0", 2)},
    };
    for (const auto& caso : casos) {
        ASSERT_EQ(Grava(chave, ParaCp1252(caso.nome).c_str(), caso.tipo, caso.enviado), ERROR_SUCCESS)
            << caso.nome;
        const auto valor = LeValorRegistro("HKEY_CURRENT_USER\\Software\\Bytes", caso.nome);
        ASSERT_TRUE(valor) << caso.nome;
        EXPECT_EQ(valor->tipo, caso.tipo) << caso.nome;
        EXPECT_EQ(valor->dados, caso.lido) << caso.nome;
    }
    EXPECT_EQ(RegSetValueExA(chave, "nulo", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    RegCloseKey(chave);
}

TEST_F(RegistroApi, RegravarTrocaTipoEDadosSemMudarONome) {
    HKEY chave = 0;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Troca", &chave), ERROR_SUCCESS);
    Grava(chave, "Start Page", REG_SZ, std::string("a", 2));
    Grava(chave, "Outro", REG_SZ, std::string("b", 2));
    Grava(chave, "START PAGE", REG_BINARY, "\x01");
    RegCloseKey(chave);
    const auto valor = LeValorRegistro("HKEY_CURRENT_USER\\Software\\Troca", "Start Page");
    ASSERT_TRUE(valor);
    EXPECT_EQ(valor->tipo, REG_BINARY);
    EXPECT_EQ(valor->dados, "\x01");
    EXPECT_NE(Conteudo(ArquivoColmeia()).find("\"Start Page\"=hex:01\n\"Outro\"="), std::string::npos);
}

TEST_F(RegistroApi, ChaveApagadaComHandleAberto) {
    SaveSetting("App", "Secao", "k", "v");
    HKEY chave = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\App\\Secao", 0, KEY_WRITE, &chave), ERROR_SUCCESS);
    DeleteSetting("App");
    EXPECT_EQ(Grava(chave, "k", REG_SZ, std::string("w", 2)), ERROR_KEY_DELETED);
    EXPECT_FALSE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\App\\Secao"));
    EXPECT_EQ(RegCloseKey(chave), ERROR_SUCCESS);
}

TEST_F(RegistroApi, HandlesNaoSeRepetem) {
    std::set<HKEY> vistos;
    for (int i = 0; i < 50; ++i) {
        HKEY chave = 0;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE, &chave), ERROR_SUCCESS);
        EXPECT_TRUE(vistos.insert(chave).second);
        EXPECT_LT(chave, HKEY_CLASSES_ROOT);
        RegCloseKey(chave);
    }
}

} // namespace
