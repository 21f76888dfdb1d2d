// Fields that are stored with one Windows-1252 code per character: the scrambled ones (the access,
// and the server, user and password of a mail account), since the scrambling shifts those codes,
// and the title of a mail account, which is the name of its stored value. A field holding a
// character the code page lacks would come back changed, so it is refused before anything is
// stored, with a message that names it. The dialogs decide what is then left unstored.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

namespace quelza {

struct CampoDeUmByte {
    const char* nome; // the caption of its box, as the message names it
    std::string texto;
};

// The message for the first field that holds a character without a code; nothing when all have one.
// `oQue` says what was not stored ("O acesso não foi gravado.").
std::optional<std::string> RecusaSemCodigo(std::initializer_list<CampoDeUmByte> campos,
                                           const std::string& oQue);

// Shows that message when there is one; true when every field can be stored.
bool CamposDeUmByte(std::initializer_list<CampoDeUmByte> campos, const std::string& oQue);

} // namespace quelza
