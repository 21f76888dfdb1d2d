// Private-profile (INI) files with the Windows semantics: case-blind section and key names, blanks
// around names and values ignored, quotes stripped, writes that keep every other line as it was.
// Section, key and value texts are Windows-1252 bytes; the file name is a native path.
#pragma once

#include <cstdint>

namespace plataforma {

// Copies the value (or `padrao` when absent) into `buffer`, cut to `tamanho` - 1 characters and
// NUL-terminated; returns the number of characters copied, the NUL excluded.
std::uint32_t GetPrivateProfileStringA(const char* secao, const char* chave, const char* padrao, char* buffer,
                                       std::uint32_t tamanho, const char* arquivo);

// Names of the file's sections in file order, each followed by a NUL and the list by a second NUL,
// cut to fit `tamanho`; returns the number of characters copied, the final NUL excluded.
std::uint32_t GetPrivateProfileSectionNamesA(char* buffer, std::uint32_t tamanho, const char* arquivo);

// Writes one value, creating the file and the section as needed. Returns false when the file could
// not be written.
bool WritePrivateProfileStringA(const char* secao, const char* chave, const char* valor, const char* arquivo);

} // namespace plataforma
