// What the dialing engine shows on the main window: the redial state it switches off, the result code
// of the status query, and the configuration dialog it opens. The window registers itself while it
// lives (platform/interface/janela_registrada.h); tests register a double. With none registered the engine
// shows nothing.
#pragma once

#include "settings/janela_configuracoes.h"

#include <string>

namespace quelza {

class JanelaDiscagem : public JanelaRediscar {
public:
    virtual void MostraCódigoEstado(const std::string& codigo) = 0;
    // The configuration dialog, modal, on tab `aba`.
    virtual void AbreConfiguração(int aba) = 0;

protected:
    ~JanelaDiscagem() = default;
};

} // namespace quelza
