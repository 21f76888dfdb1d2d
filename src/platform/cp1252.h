// Windows-1252, the code page of every stored text and of the credential arithmetic.
// Each of the 256 codes maps to exactly one character and back; the five undefined codes map to the
// C1 control characters of the same number (U+0081 and so on).
#pragma once

#include <string>
#include <string_view>

namespace plataforma {

// UTF-8 to Windows-1252 bytes. A character the code page lacks becomes '?'.
std::string ParaCp1252(std::string_view utf8);

// Windows-1252 bytes to UTF-8.
std::string DeCp1252(std::string_view bytes);

} // namespace plataforma
