// Windows-1252, the code page of every stored text and of the credential arithmetic.
// Each of the 256 codes maps to exactly one character and back; the five undefined codes map to the
// C1 control characters of the same number (U+0081 and so on). No other code page is handled here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plataforma {

// UTF-8 to Windows-1252 bytes. A character the code page lacks, or a byte that is not valid UTF-8,
// becomes '?'.
std::string ParaCp1252(std::string_view utf8);

// As ParaCp1252, but nothing when any character would have become '?'.
std::optional<std::string> ParaCp1252Exato(std::string_view utf8);

// Windows-1252 bytes to UTF-8.
std::string DeCp1252(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 (no overlong form, surrogate or code above U+10FFFF).
bool Utf8Valido(std::string_view bytes);

// Lower case of one Windows-1252 code, accented capitals included ('Ã' to 'ã', 'Š' to 'š').
char MinusculaCp1252(char codigo);

// Equality of two Windows-1252 texts regardless of case.
bool IguaisSemCaixa(std::string_view a, std::string_view b);

} // namespace plataforma
