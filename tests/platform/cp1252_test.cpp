// Windows-1252: every code to one character and back, what the code page lacks, malformed UTF-8, and
// the case folding the stores match names with.
#include "platform/cp1252.h"

#include <gtest/gtest.h>

#include <set>

using namespace plataforma;

TEST(Cp1252, CadaCodigoVaiEVoltaPorUmCaractereSoDele) {
    std::set<std::string> caracteres;
    for (int codigo = 0; codigo < 256; ++codigo) {
        const std::string byte(1, static_cast<char>(codigo));
        EXPECT_EQ(ParaCp1252(DeCp1252(byte)), byte) << "código " << codigo;
        caracteres.insert(DeCp1252(byte));
    }
    EXPECT_EQ(caracteres.size(), 256u);
    EXPECT_EQ(DeCp1252("\x80\x81\x8a\x9d\x9f\xe3"), "€\u0081Š\u009dŸã");
}

TEST(Cp1252, ForaDaPaginaOuMalFormadoViraInterrogacao) {
    const struct {
        std::string utf8;
        std::string esperado;
    } casos[] = {
        {"a中b", "a?b"},
        {"x\xF0\x9F\x98\x80y", "x?y"}, // four-byte character
        {"\xC2\x80", "?"},             // U+0080: a C1 control the code page has no code for
        {"a\x80z", "a?z"},             // stray continuation byte
        {"ok\xC3", "ok?"},             // cut at the end
        {"\xE2\x82z", "??z"},          // cut in the middle
        {"\xC0\xAF", "??"},            // overlong '/'
        {"\xED\xA0\x80", "???"},       // surrogate half
        {"\xF4\x90\x80\x80", "????"},  // above U+10FFFF
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(ParaCp1252(caso.utf8), caso.esperado) << caso.utf8;
        EXPECT_FALSE(ParaCp1252Exato(caso.utf8).has_value()) << caso.utf8;
    }
    EXPECT_EQ(ParaCp1252Exato("Não “já” €"), ParaCp1252("Não “já” €"));
}

TEST(Cp1252, MaiusculasEMinusculasSeIgualam) {
    EXPECT_TRUE(IguaisSemCaixa(ParaCp1252("Não Deixar Agendado"), ParaCp1252("Não deixar Agendado")));
    EXPECT_TRUE(IguaisSemCaixa(ParaCp1252("NÃO ÇÉÚ ŠŒŽŸ"), ParaCp1252("não çéú šœžÿ")));
    // Signs and symbols 32 codes apart are not case pairs.
    for (const auto& [a, b] : {std::pair{"×", "÷"}, {"@", "`"}, {"[", "{"}, {"a", "á"}, {"Ini", "Inix"}})
        EXPECT_FALSE(IguaisSemCaixa(ParaCp1252(a), ParaCp1252(b))) << a << " " << b;
}
