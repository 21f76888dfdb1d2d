// Scrambling vectors: where the key enters, wrap-around both ways, the codes 0 and 13 a scrambled
// value can hold (the hive's test keeps every code through the store).
#include "platform/texto/cp1252.h"
#include "settings/embaralha.h"
#include "settings/quelza.h"

#include <gtest/gtest.h>

namespace {

using plataforma::DeCp1252;
using plataforma::ParaCp1252;
using quelza::ChaveCredenciais;
using quelza::Desembaralha;
using quelza::Embaralha;

TEST(Embaralha, VetoresNosDoisSentidos) {
    struct {
        std::string texto, chave, embaralhado; // Windows-1252 codes
    } const vetores[] = {
        {"A", "XY", "\x9A"},                                        // 65 + 'Y' 89: the key's second character
        {"\xC8", "ZZ", "\x22"},                                     // 200 + 90 wraps to 34, and back
        {std::string("\xA6\xB3", 2), "ZZ", std::string("\0\r", 2)}, // sums of 256 and 269
        {"senha", ChaveCredenciais, "\xC2\xB2\xAF\xBA\x81"},        // for any other reader of the store
        {"abc\xE7", "", "abc\xE7"},
    };
    for (const auto& v : vetores) {
        EXPECT_EQ(ParaCp1252(Embaralha(DeCp1252(v.texto), v.chave)), v.embaralhado) << v.texto;
        EXPECT_EQ(ParaCp1252(Desembaralha(DeCp1252(v.embaralhado), v.chave)), v.texto) << v.texto;
    }
}

TEST(Embaralha, ChaveVoltaAoInicioEmMinusculasValeAMaiusculaETodosOsCodigosVoltam) {
    // At position 38 the 37-character key starts over at its second character, 'O' 79.
    const std::string bytes = ParaCp1252(Embaralha(std::string(38, 'A'), ChaveCredenciais));
    EXPECT_EQ(bytes.substr(35), "\x8E\x95\x90");
    EXPECT_EQ(bytes[0], bytes[37]);

    std::string todos;
    for (int c = 0; c < 512; ++c)
        todos += static_cast<char>(c);
    const std::string texto = DeCp1252(todos);
    EXPECT_EQ(Embaralha(texto, "tomar o se brisa 518204736 h46krt952m"), Embaralha(texto, ChaveCredenciais));
    EXPECT_EQ(Desembaralha(texto, "xção"), Desembaralha(texto, "XÇÃO"));
    EXPECT_EQ(Desembaralha(Embaralha(texto, ChaveCredenciais), ChaveCredenciais), texto);
}

} // namespace
