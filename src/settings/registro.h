// Module Registro: creates keys and writes text and binary values under full key paths written as
// text ("HKEY_CURRENT_USER\Software\..."). It never reads or deletes, and reports nothing: the
// outcome of the last call stays in RetornoRegistro.
#pragma once

#include "platform/registro/registro_api.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Registro {

// State of the last operation; the routines are not reentrant, which the single thread guarantees.
inline plataforma::HKEY hChave = 0;
inline plataforma::HKEY hChaveRaiz = 0;
inline std::int32_t RetornoRegistro = 0;
inline std::int32_t TamanhoDados = 0;
inline std::vector<std::uint8_t> DadosBinários;

// The predefined handle of a root name (exact spelling), or 0.
plataforma::HKEY ChaveRaiz(const std::string& nome);

// Splits a full path into its root and subkey: `caminho` becomes the subkey ("" for the root
// itself). A path that does not begin with "HKEY_" or ends with a backslash is shown to the user
// and gives root 0, the path left as it was.
void SeparaCaminhoChave(std::string& caminho, plataforma::HKEY& raiz);

// Creates the key and any missing parents (an existing key is fine).
void CriaChave(const std::string& caminho);

// Both write only into an existing key. Texts are UTF-8 and stored as Windows-1252 with their NUL;
// binary data gives one byte per character, the character's Windows-1252 code.
void GravaValorTexto(const std::string& caminho, const std::string& nome, const std::string& texto);
void GravaValorBinário(const std::string& caminho, const std::string& nome, const std::string& dados);

} // namespace Registro
