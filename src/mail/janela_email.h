// What the mail check shows on the main window: the mail label and its tooltip, the mail
// indicator's picture, the close button's state and the new-mail cue. The window registers itself
// while it lives (platform/interface/janela_registrada.h); tests register a double. With none registered a
// check shows nothing.
#pragma once

#include "platform/interface/janela_registrada.h"

#include <string>

namespace quelza {

// The pictures of the window's picture bank that the mail indicator shows.
enum class FiguraEmail { TemEmail = 200, SemEmail = 201 };

class JanelaEmail {
public:
    virtual ~JanelaEmail() = default;
    virtual void DefineRótuloEmail(const std::string& texto) = 0;
    virtual void DefineDicaEmail(const std::string& texto) = 0;
    virtual void DefineFiguraEmail(FiguraEmail figura) = 0;
    virtual void HabilitaFechar(bool habilitado) = 0;
    virtual bool TemDispositivoSom() = 0;
    virtual void TocaSom(const std::string& caminho) = 0;
};

} // namespace quelza
