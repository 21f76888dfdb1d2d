// The text forms of stored settings: the leading-number reading with its range, and times.
#include "settings/formas_texto.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace quelza;

TEST(LeNumero, TomaONumeroDoInicioArredondandoMetadesAoParDentroDaFaixa) {
    const std::pair<const char*, int> casos[] = {
        {" 30", 30},       {"", 0},    {"abc", 0},   {"12abc", 12}, {"  -7 x", -7}, {"+4", 4},
        {"2.5", 2},        {"3.5", 4}, {"-2.5", -2}, {"2.51", 3},   {"1,9", 1},     {"32767.4", 32767},
        {"-32768", -32768}};
    for (const auto& [texto, esperado] : casos)
        EXPECT_EQ(LeNumero<std::int16_t>(texto), esperado) << '"' << texto << '"';
    for (const auto& [n, alinhado] : {std::pair{-32768, "-32768"}, {-5, "-5"}, {0, " 0"}, {30, " 30"}}) {
        EXPECT_EQ(NumeroAlinhado(n), alinhado);
        EXPECT_EQ(LeNumero<std::int16_t>(alinhado), n);
    }
    for (const char* texto : {"32768", "40000", "-32769", "32767.5", "99999999999999999999999"})
        EXPECT_THROW(LeNumero<std::int16_t>(texto), FormaInvalida) << texto;
    EXPECT_THROW(LeNumero<std::uint8_t>("256"), FormaInvalida);
    EXPECT_EQ(LeNumero<std::uint8_t>("-0.5"), 0);
    EXPECT_EQ(LeNumero<std::int32_t>("40000"), 40000);
}

// Short whole numbers take a way of their own; at every length around its limit the value is the
// general reading's.
TEST(ValorInicial, NumerosInteirosValemOQueALeituraGeralDa) {
    for (const char* texto : {"7", "000000000000042", "999999999999999", "-123456789012345",
                              "1000000000000000", "9007199254740993", "12.0"})
        EXPECT_EQ(ValorInicial(texto), std::strtod(texto, nullptr)) << texto;
}

TEST(LeHora, AceitaAsFormasComunsEFalhaNoResto) {
    const std::pair<const char*, HoraDoDia> casos[] = {{"08:05:09", HoraDoDia::De(8, 5, 9)},
                                                       {" 7:30 ", HoraDoDia::De(7, 30)},
                                                       {"8:05 PM", HoraDoDia::De(20, 5)},
                                                       {"12:30 pm", HoraDoDia::De(12, 30)},
                                                       {"12:00 AM", HoraDoDia{}},
                                                       {"", HoraDoDia{}}};
    for (const auto& [texto, esperada] : casos)
        EXPECT_EQ(LeHora(texto), esperada) << '"' << texto << '"';
    for (const char* texto : {"24:00", "8:60", "abc", "8", "8:05:09:01", "13:00 PM"})
        EXPECT_THROW(LeHora(texto), FormaInvalida) << texto;
    EXPECT_EQ(TextoHora(HoraDoDia::De(8, 5, 9)), "08:05:09");
}

} // namespace
