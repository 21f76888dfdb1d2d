// The text forms of stored settings: the leading-number reading with its range, times, Booleans.
#include "settings/formas_texto.h"

#include <gtest/gtest.h>

namespace {

using namespace quelza;

TEST(LeNumero, TomaONumeroDoInicioArredondandoMetadesAoPar) {
    const std::pair<const char*, int> casos[] = {
        {" 30", 30}, {"", 0},          {"abc", 0},         {"-", 0},          {"12abc", 12}, {"  -7 x", -7},
        {"+4", 4},   {"2.5", 2},       {"3.5", 4},         {"-2.5", -2},      {"2.51", 3},   {".5", 0},
        {"1,9", 1},  {"32767", 32767}, {"-32768", -32768}, {"32767.4", 32767}};
    for (const auto& [texto, esperado] : casos)
        EXPECT_EQ(LeNumero<std::int16_t>(texto), esperado) << '"' << texto << '"';
    for (int n : {-32768, -1, 0, 30})
        EXPECT_EQ(LeNumero<std::int16_t>(NumeroAlinhado(n)), n);
    EXPECT_EQ(NumeroAlinhado(1), " 1");
    EXPECT_EQ(NumeroAlinhado(-12), "-12");
}

TEST(LeNumero, ForaDaFaixaDoDestinoFalha) {
    for (const char* texto : {"32768", "40000", "-32769", "32767.5", "99999999999999999999999"})
        EXPECT_THROW(LeNumero<std::int16_t>(texto), FormaInvalida) << texto;
    for (const char* texto : {"256", "-1"})
        EXPECT_THROW(LeNumero<std::uint8_t>(texto), FormaInvalida) << texto;
    EXPECT_THROW(LeNumero<std::int32_t>("2147483648"), FormaInvalida);
    EXPECT_EQ(LeNumero<std::uint8_t>(" 255"), 255);
    EXPECT_EQ(LeNumero<std::uint8_t>("-0.5"), 0);
    EXPECT_EQ(LeNumero<std::int32_t>("40000"), 40000);
}

TEST(LeHora, AceitaAsFormasComunsEFalhaNoResto) {
    const std::pair<const char*, HoraDoDia> casos[] = {
        {"08:05:09", HoraDoDia::De(8, 5, 9)}, {"8:05", HoraDoDia::De(8, 5)},
        {" 07:30 ", HoraDoDia::De(7, 30)},    {"8:05 PM", HoraDoDia::De(20, 5)},
        {"12:30 pm", HoraDoDia::De(12, 30)},  {"12:00 AM", HoraDoDia{}},
        {"8 PM", HoraDoDia::De(20, 0)},       {"", HoraDoDia{}}};
    for (const auto& [texto, esperada] : casos)
        EXPECT_EQ(LeHora(texto), esperada) << '"' << texto << '"';
    for (const char* texto :
         {"24:00", "8:60", "8:05:60", "abc", "8", "8:", "8:05:09:01", "123:00", "13:00 PM"})
        EXPECT_THROW(LeHora(texto), FormaInvalida) << texto;
    EXPECT_EQ(TextoHora(HoraDoDia::De(8, 5, 9)), "08:05:09");
}

TEST(LeBooleano, SoAsPalavrasExatas) {
    EXPECT_EQ(LeBooleano("True"), true);
    EXPECT_EQ(LeBooleano("False"), false);
    for (const char* texto : {"false", "TRUE", " True", "", "1"})
        EXPECT_EQ(LeBooleano(texto), std::nullopt) << texto;
}

} // namespace
