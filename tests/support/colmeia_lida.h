// The hive file read back the way the registry calls left it, for tests: the program only writes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct ValorRegistro {
    std::uint32_t tipo = 0; // REG_SZ or REG_BINARY
    std::string dados;      // the bytes as written; a REG_SZ text ends with its NUL
};

// Key paths are full paths such as "HKEY_CURRENT_USER\\Software\\e-Telvanor\\Som", in UTF-8; value
// names are UTF-8. Both match without regard to case.
std::optional<ValorRegistro> LeValorRegistro(const std::string& chave, const std::string& nome);
bool ExisteChaveRegistro(const std::string& chave);
