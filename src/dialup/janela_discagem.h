// What the dialing engine shows on the main window: the redial state it switches off, the result code
// of the status query, and the configuration dialog it opens. The window registers itself while it
// lives; tests register a double. With none registered the engine shows nothing.
#pragma once

#include "platform/interface/janela_registrada.h"

#include <string>

namespace quelza {

class JanelaDiscagem {
public:
    // The redial button's picture, the redial timer, the tray item's mark and the connect button.
    virtual void MostraRediscar(bool ligado) = 0;
    virtual void MostraCódigoEstado(const std::string& codigo) = 0;
    // The configuration dialog, modal, on tab `aba`.
    virtual void AbreConfiguração(int aba) = 0;

protected:
    ~JanelaDiscagem() = default;
};

} // namespace quelza
