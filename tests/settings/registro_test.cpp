// Module Registro: path parsing with its message, and the bytes the writes leave in the hive. The
// browser settings written through it are checked by the browser tab and the first start.
#include "platform/interface/qt/mensagens.h"
#include "settings/quelza.h"
#include "settings/registro.h"
#include "support/ambiente.h"
#include "support/colmeia_lida.h"

#include <gtest/gtest.h>

namespace {

const std::string Main = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main";

class ModuloRegistro : public AmbienteTeste {};

TEST_F(ModuloRegistro, SeparaRaizESubchaveOuMostraOFormatoErrado) {
    const struct {
        std::string caminho;
        plataforma::HKEY raiz;
        std::string resto;
    } casos[] = {
        {"HKEY_CURRENT_USER", plataforma::HKEY_CURRENT_USER, ""},
        {"HKEY_USERS\\.DEFAULT\\Software", plataforma::HKEY_USERS, ".DEFAULT\\Software"},
        {"HKEY_DYN_DATA\\x", plataforma::HKEY_DYN_DATA, "x"},
        {"HKEY_FOO\\Software", 0, "Software"},
        {"HKEY_Current_User\\Software", 0, "Software"},
    };
    for (const auto& c : casos) {
        std::string caminho = c.caminho;
        plataforma::HKEY raiz = 1;
        Registro::SeparaCaminhoChave(caminho, raiz);
        EXPECT_EQ(raiz, c.raiz) << c.caminho;
        EXPECT_EQ(caminho, c.resto) << c.caminho;
    }
    EXPECT_TRUE(interface->mensagens.empty());

    for (const std::string malFormado :
         {"hkey_current_user\\Software", "HKEY_LOCAL_MACHINE\\Software\\", ""}) {
        std::string caminho = malFormado;
        plataforma::HKEY raiz = 1;
        Registro::SeparaCaminhoChave(caminho, raiz);
        EXPECT_EQ(raiz, 0u);
        EXPECT_EQ(caminho, malFormado);
        ASSERT_FALSE(interface->mensagens.empty());
        EXPECT_EQ(interface->mensagens.back().texto, "Incorrect Format:\n\n" + malFormado);
        EXPECT_EQ(interface->mensagens.back().titulo, quelza::TituloAplicacao);
    }
}

TEST_F(ModuloRegistro, TextoGuardaNMaisUmBytesEmWindows1252EOsValoresSoEmChaveCriada) {
    Registro::GravaValorTexto(Main, "Start Page", "Página");
    const auto valor = LeValorRegistro(Main, "Start Page");
    ASSERT_TRUE(valor);
    EXPECT_EQ(valor->tipo, plataforma::REG_SZ);
    EXPECT_EQ(valor->dados, std::string("P\xE1gina\0", 7));
    // The size passed counts the terminating NUL: a text that itself ends in code 0 keeps it.
    Registro::GravaValorTexto(Main, "Start Page", std::string("ab\0", 3));
    EXPECT_EQ(LeValorRegistro(Main, "Start Page")->dados, std::string("ab\0\0", 4));

    // Only CriaChave makes a key; the writes fail on one that does not exist.
    const std::string nova = "HKEY_CURRENT_USER\\Software\\Nova\\Sub";
    Registro::GravaValorTexto(nova, "Valor", "x");
    Registro::GravaValorBinário(nova, "Valor", "x");
    EXPECT_NE(Registro::RetornoRegistro, plataforma::ERROR_SUCCESS);
    Registro::CriaChave("HKEY_FOO\\Software\\Nova\\Sub");
    EXPECT_FALSE(ExisteChaveRegistro(nova));

    Registro::CriaChave(nova);
    Registro::GravaValorBinário(nova, "Valor", "\x01ç");
    EXPECT_EQ(LeValorRegistro(nova, "Valor")->dados, "\x01\xE7");
}

} // namespace
