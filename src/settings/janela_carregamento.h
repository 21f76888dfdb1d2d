// What the settings loader reads from and sets on the main window: the access label, the redial
// state and the periodic mail timer. The window registers itself while it lives; tests register a
// double. The loader's steps that need the window are skipped when none is registered.
#pragma once

#include "platform/interface/janela_registrada.h"

#include <string>

namespace quelza {

class JanelaCarregamento {
public:
    // The caption of the access label.
    virtual std::string CaptionAcesso() const = 0;
    // The redial button's picture, the redial timer, the tray item's mark and the connect button.
    virtual void MostraRediscar(bool ligado) = 0;
    virtual void DesligaVerificaçãoPeriódica() = 0;

protected:
    ~JanelaCarregamento() = default;
};

} // namespace quelza
