// The main window as the settings see it: what the loader reads from and sets on it (the access
// label, the redial state, the periodic mail timer) and what the configuration dialog sets when it
// stores a tab. The window registers itself while it lives (platform/interface/janela_registrada.h); tests
// register a double. With none registered nothing is shown.
#pragma once

#include "platform/interface/janela_registrada.h"

#include <string>

namespace quelza {

// The redial state, which the loader and the dialing engine both show.
class JanelaRediscar {
public:
    // The redial button's picture, the redial timer, the tray item's mark and the connect button.
    virtual void MostraRediscar(bool ligado) = 0;

protected:
    ~JanelaRediscar() = default;
};

class JanelaConfiguracoes : public JanelaRediscar {
public:
    // The caption of the access label.
    virtual std::string CaptionAcesso() const = 0;
    // The captions of the access, user and password labels.
    virtual void MostraAcesso(const std::string& acesso, const std::string& usuario,
                              const std::string& senha) = 0;
    // The periodic mail timer.
    virtual void HabilitaVerificaçãoPeriódica(bool habilitada) = 0;

protected:
    ~JanelaConfiguracoes() = default;
};

} // namespace quelza
