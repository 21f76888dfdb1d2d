// The notification-area icon call. The Qt backend keeps one QSystemTrayIcon per icon identifier and
// reports the icon's mouse activity to the owning window; tests install a backend that records.
#pragma once

#include "platform/icone_notificacao.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace plataforma {

class Bandeja {
public:
    virtual ~Bandeja() = default;
    virtual bool Notifica(std::uint32_t mensagem, const NOTIFYICONDATAA& dados) = 0;
};

bool Shell_NotifyIconA(std::uint32_t mensagem, const NOTIFYICONDATAA* dados);

// How the window with handle `hWnd` receives the icon's mouse messages (WM_LBUTTONDBLCLK, ...).
void DefineReceptorBandeja(std::uint32_t hWnd, std::function<void(std::uint32_t mensagemMouse)> receptor);

// Null restores the Qt backend.
void DefineBandeja(std::shared_ptr<Bandeja> bandeja);

} // namespace plataforma
