// The text forms of stored settings: the leading-number reading with its range, times, Booleans.
#include "settings/formas_texto.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace quelza;

struct Leitura {
    const char* texto;
    int esperado;
};

void PrintTo(const Leitura& l, std::ostream* saida) { *saida << '"' << l.texto << '"'; }

class LeituraDeNumero : public ::testing::TestWithParam<Leitura> {};

TEST_P(LeituraDeNumero, TomaONumeroDoInicioArredondandoMetadesAoPar) {
    EXPECT_EQ(LeNumero<std::int16_t>(GetParam().texto), GetParam().esperado)
        << '"' << GetParam().texto << '"';
}

INSTANTIATE_TEST_SUITE_P(Casos, LeituraDeNumero,
                         ::testing::Values(Leitura{" 30", 30}, Leitura{"30", 30}, Leitura{"-5", -5},
                                           Leitura{"", 0}, Leitura{"   ", 0}, Leitura{"abc", 0},
                                           Leitura{"-", 0}, Leitura{"12abc", 12}, Leitura{"  -7 x", -7},
                                           Leitura{"+4", 4}, Leitura{"2.5", 2}, Leitura{"3.5", 4},
                                           Leitura{"-2.5", -2}, Leitura{"2.51", 3}, Leitura{".5", 0},
                                           Leitura{"1.5", 2}, Leitura{"7.", 7}, Leitura{"1,9", 1},
                                           Leitura{"32767", 32767}, Leitura{"-32768", -32768},
                                           Leitura{"32767.4", 32767}));

TEST(LeNumero, ForaDaFaixaDoDestinoFalha) {
    for (const char* texto : {"32768", "40000", "-32769", "32767.5", "99999999999999999999999"})
        EXPECT_THROW(LeNumero<std::int16_t>(texto), FormaInvalida) << texto;
    for (const char* texto : {"256", "-1", "255.5"})
        EXPECT_THROW(LeNumero<std::uint8_t>(texto), FormaInvalida) << texto;
    EXPECT_THROW(LeNumero<std::int32_t>("2147483648"), FormaInvalida);

    EXPECT_EQ(LeNumero<std::uint8_t>(" 255"), 255);
    EXPECT_EQ(LeNumero<std::uint8_t>("-0.5"), 0);
    EXPECT_EQ(LeNumero<std::int32_t>("-2147483648"), INT32_MIN);
    EXPECT_EQ(LeNumero<std::int32_t>("40000"), 40000);
}

TEST(NumeroAlinhado, OBrancoOcupaOLugarDoSinalEVoltaNaLeitura) {
    EXPECT_EQ(NumeroAlinhado(1), " 1");
    EXPECT_EQ(NumeroAlinhado(0), " 0");
    EXPECT_EQ(NumeroAlinhado(-12), "-12");
    EXPECT_EQ(NumeroSimples(1130), "1130");
    EXPECT_EQ(NumeroSimples(-3), "-3");
    for (int n : {-32768, -1, 0, 1, 30, 32767}) {
        EXPECT_EQ(LeNumero<std::int16_t>(NumeroAlinhado(n)), n);
        EXPECT_EQ(LeNumero<std::int16_t>(NumeroSimples(n)), n);
    }
}

struct Hora {
    const char* texto;
    HoraDoDia esperada;
};

void PrintTo(const Hora& h, std::ostream* saida) { *saida << '"' << h.texto << '"'; }

class LeituraDeHora : public ::testing::TestWithParam<Hora> {};

TEST_P(LeituraDeHora, AceitaAsFormasComunsDeHora) {
    EXPECT_EQ(LeHora(GetParam().texto), GetParam().esperada) << '"' << GetParam().texto << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LeituraDeHora,
    ::testing::Values(Hora{"08:05:09", HoraDoDia::De(8, 5, 9)}, Hora{"8:05", HoraDoDia::De(8, 5)},
                      Hora{"8:5", HoraDoDia::De(8, 5)}, Hora{"23:59:59", HoraDoDia::De(23, 59, 59)},
                      Hora{" 07:30 ", HoraDoDia::De(7, 30)}, Hora{"8:05 PM", HoraDoDia::De(20, 5)},
                      Hora{"12:30 pm", HoraDoDia::De(12, 30)}, Hora{"12:00 AM", HoraDoDia::De(0, 0)},
                      Hora{"8 PM", HoraDoDia::De(20, 0)}, Hora{"00:00:00", HoraDoDia{}},
                      Hora{"", HoraDoDia{}}));

TEST(LeHora, TextoQueNaoEhHoraFalha) {
    for (const char* texto : {"24:00", "8:60", "8:05:60", "abc", "8", "8:", "8:05:09:01", "123:00", "12:3x",
                              "13:00 PM", "8:05 XM", "-1:00"})
        EXPECT_THROW(LeHora(texto), FormaInvalida) << texto;
}

TEST(TextoHora, EscreveComDoisDigitosELeDeVolta) {
    EXPECT_EQ(TextoHora(HoraDoDia::De(8, 5, 9)), "08:05:09");
    EXPECT_EQ(TextoHora(HoraDoDia{}), "00:00:00");
    for (HoraDoDia h : {HoraDoDia::De(0, 0, 1), HoraDoDia::De(12, 0), HoraDoDia::De(23, 59, 59)})
        EXPECT_EQ(LeHora(TextoHora(h)), h);
}

TEST(LeBooleano, SoAsPalavrasExatas) {
    EXPECT_EQ(LeBooleano("True"), true);
    EXPECT_EQ(LeBooleano("False"), false);
    for (const char* texto : {"false", "TRUE", " True", "True ", "", "1", "0"})
        EXPECT_EQ(LeBooleano(texto), std::nullopt) << texto;
    EXPECT_EQ(LeBooleano(TextoBooleano(true)), true);
    EXPECT_EQ(LeBooleano(TextoBooleano(false)), false);
}

} // namespace
