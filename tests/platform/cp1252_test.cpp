// Windows-1252: every code to one character and back, the characters the code page lacks, malformed
// UTF-8, and the case folding the stores match names with.
#include "platform/cp1252.h"

#include <gtest/gtest.h>

#include <set>

using namespace plataforma;

TEST(Cp1252, CadaCodigoVaiEVoltaPorUmCaractereSoDele) {
    std::set<std::string> caracteres;
    for (int codigo = 0; codigo < 256; ++codigo) {
        const std::string byte(1, static_cast<char>(codigo));
        const std::string utf8 = DeCp1252(byte);
        EXPECT_EQ(ParaCp1252(utf8), byte) << "código " << codigo;
        caracteres.insert(utf8);
    }
    EXPECT_EQ(caracteres.size(), 256u);
}

TEST(Cp1252, CodigosComCaracteresConhecidos) {
    const struct {
        unsigned char codigo;
        std::string utf8;
    } casos[] = {
        {0x00, std::string(1, '\0')},
        {0x41, "A"},
        {0x80, "€"},
        {0x81, "\xC2\x81"}, // undefined: U+0081
        {0x8A, "Š"},
        {0x8D, "\xC2\x8D"},
        {0x8F, "\xC2\x8F"},
        {0x90, "\xC2\x90"},
        {0x93, "“"},
        {0x99, "™"},
        {0x9D, "\xC2\x9D"},
        {0x9F, "Ÿ"},
        {0xA0, "\xC2\xA0"},
        {0xC7, "Ç"},
        {0xE3, "ã"},
        {0xFF, "ÿ"},
    };
    for (const auto& caso : casos) {
        const std::string byte(1, static_cast<char>(caso.codigo));
        EXPECT_EQ(DeCp1252(byte), caso.utf8) << int(caso.codigo);
        EXPECT_EQ(ParaCp1252(caso.utf8), byte) << int(caso.codigo);
    }
}

TEST(Cp1252, ForaDaPaginaOuMalFormadoViraInterrogacao) {
    const struct {
        const char* nome;
        std::string utf8;
        std::string esperado;
    } casos[] = {
        {"ideograma", "a中b", "a?b"},
        {"emoji de quatro bytes", "x\xF0\x9F\x98\x80y", "x?y"},
        {"C1 definido na página (U+0080)", "\xC2\x80", "?"},
        {"continuação solta", "a\x80z", "a?z"},
        {"sequência cortada no fim", "ok\xC3", "ok?"},
        {"sequência cortada no meio", "\xE2\x82z", "??z"},
        {"forma longa demais de '/'", "\xC0\xAF", "??"},
        {"meio de par substituto", "\xED\xA0\x80", "???"},
        {"acima de U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"byte 0xFF", "\xFF", "?"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(ParaCp1252(caso.utf8), caso.esperado) << caso.nome;
        EXPECT_FALSE(ParaCp1252Exato(caso.utf8).has_value()) << caso.nome;
    }
    EXPECT_EQ(ParaCp1252Exato("Não “já” €"), ParaCp1252("Não “já” €"));
}

TEST(Cp1252, MaiusculasEMinusculasSeIgualam) {
    EXPECT_TRUE(IguaisSemCaixa(ParaCp1252("Não Deixar Agendado"), ParaCp1252("Não deixar Agendado")));
    EXPECT_TRUE(IguaisSemCaixa(ParaCp1252("NÃO ÇÉÚ ŠŒŽŸ"), ParaCp1252("não çéú šœžÿ")));
    EXPECT_TRUE(IguaisSemCaixa("Ini", "ini"));
    const struct {
        const char* a;
        const char* b;
    } diferentes[] = {
        {"×", "÷"},             // 0xD7 and 0xF7 are signs, not a letter pair
        {"ß", "ÿ"}, {"@", "`"}, // 0x40 and 0x60 differ by 32 but are not letters
        {"[", "{"}, {"Ini", "Inix"}, {"a", "á"},
    };
    for (const auto& caso : diferentes)
        EXPECT_FALSE(IguaisSemCaixa(ParaCp1252(caso.a), ParaCp1252(caso.b))) << caso.a << " " << caso.b;
}
