// How a text is kept in a file or a registry value that holds bytes: as its Windows-1252 codes when
// the code page has them all, so that every such value is written as it always was and other readers
// see no change; as its UTF-8 otherwise, so that no character is lost. The two forms are told apart
// by their bytes alone (see DeTextoGuardado); the scrambled credentials, which need single-byte
// codes, are not handled here.
#pragma once

#include <string>
#include <string_view>

namespace plataforma {

struct TextoGuardado {
    std::string bytes;
    bool utf8 = false; // the bytes are UTF-8 of a text holding a character Windows-1252 lacks
};

// The stored form of a UTF-8 text. A malformed UTF-8 input gets the '?' of ParaCp1252.
TextoGuardado GuardaTexto(std::string_view utf8);

// Whether stored bytes are taken as UTF-8: well-formed UTF-8 whose text holds a character outside
// Windows-1252. Code-page text seldom reads so: only where a letter with accent stands before signs
// of the codes 0x80 to 0xBF (quotation marks, dashes, ©, º), as "É”", which reads back as "ɔ".
// Code-page text that happens to be UTF-8 of code-page characters, such as "Ã©", stays as it is.
bool GuardadoEmUtf8(std::string_view bytes);

// The UTF-8 text of stored bytes, by the rule of GuardadoEmUtf8.
std::string DeTextoGuardado(std::string_view bytes);

// As DeTextoGuardado, for bytes a full buffer may have cut: a UTF-8 character cut at the end is
// dropped when the bytes before it are taken as UTF-8.
std::string DeTextoGuardadoCortado(std::string_view bytes);

} // namespace plataforma
