// The text forms of stored settings: numbers plain and padded, the leading-number reading, times of
// day and the Boolean words. Pure functions; reading a form that does not fit throws FormaInvalida,
// which the settings loader takes as a failed step.
#pragma once

#include "settings/hora_do_dia.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace quelza {

struct FormaInvalida : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "-5", "0", "1130".
std::string NumeroSimples(std::int64_t numero);
// " 5", " 0", "-5": one blank where a negative number has its sign.
std::string NumeroAlinhado(std::int64_t numero);

// The leading decimal number after any blanks ("  2.5 min" gives 2.5); 0 when there is none.
double ValorInicial(const std::string& texto);

// ValorInicial rounded to the nearest whole number, halves to the even one ("1.4" gives 1, "2.5" 2).
double ValorInteiro(const std::string& texto);

// ValorInteiro, or FormaInvalida when it does not fit the target type.
template <typename Inteiro> Inteiro LeNumero(const std::string& texto);

extern template std::uint8_t LeNumero<std::uint8_t>(const std::string&);
extern template std::int16_t LeNumero<std::int16_t>(const std::string&);
extern template std::int32_t LeNumero<std::int32_t>(const std::string&);

// "HH:mm:ss", 24-hour.
std::string TextoHora(HoraDoDia hora);
// A time of day: "8:05", "08:05:09", "8:05 PM", "8 PM", blanks around ignored; the empty text is
// midnight. Anything else throws FormaInvalida.
HoraDoDia LeHora(const std::string& texto);

// The text without its leading and trailing blanks (tabs and other spaces stay).
std::string SemBrancos(const std::string& texto);

// "True" and "False".
std::string TextoBooleano(bool valor);
// True for exactly "True", false for exactly "False", nothing for any other text (case counts).
std::optional<bool> LeBooleano(const std::string& texto);

} // namespace quelza
