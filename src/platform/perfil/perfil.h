// Private-profile (INI) files with the Windows semantics: case-blind section and key names, blanks
// around names and values ignored, quotes stripped, writes that keep every other line as it was.
// Section, key and value texts are Windows-1252 bytes; the file name is a native path, whose last
// part also matches an existing file of the same name in another case. A file of an installed program
// folder is read and written through the user's copy (instalacao.h).
#pragma once

#include <cstdint>

namespace plataforma {

// Copies the value (or `padrao` when absent) into `buffer`, cut to `tamanho` - 1 characters and
// NUL-terminated; returns the number of characters copied, the NUL excluded. A null `secao` lists the
// section names and a null `chave` the section's key names, as GetPrivateProfileSectionNamesA does.
std::uint32_t GetPrivateProfileStringA(const char* secao, const char* chave, const char* padrao, char* buffer,
                                       std::uint32_t tamanho, const char* arquivo);

// Names of the file's sections in file order, each followed by a NUL and the list by a second NUL,
// cut to fit `tamanho`; returns the number of characters copied, the final NUL excluded.
std::uint32_t GetPrivateProfileSectionNamesA(char* buffer, std::uint32_t tamanho, const char* arquivo);

// Writes one value, creating the file and the section as needed; a null `valor` removes the key and a
// null `chave` the whole section. The file is replaced whole, so a crash leaves it old or new. Returns
// false when the file could not be read or written, or when a name or the value holds a line break
// (or the key an '=') that would change the file's structure.
bool WritePrivateProfileStringA(const char* secao, const char* chave, const char* valor, const char* arquivo);

} // namespace plataforma
