// The notification-area icon call. The Qt backend keeps one QSystemTrayIcon per (window, identifier)
// and reports the icon's mouse activity to the owning window; tests install a backend that records.
#pragma once

#include "platform/nucleo/backend.h"

#include "platform/bandeja/icone_notificacao.h"

#include <QSystemTrayIcon>

#include <cstdint>
#include <functional>
#include <memory>

namespace plataforma {

class Bandeja {
public:
    virtual ~Bandeja() = default;
    virtual bool Notifica(std::uint32_t mensagem, const NOTIFYICONDATAA& dados) = 0;
    // Whether the desktop has a tray host to show an icon in.
    virtual bool Disponivel() = 0;
};

// NIM_ADD, NIM_MODIFY or NIM_DELETE; false when the record is missing or the operation failed.
bool Shell_NotifyIconA(std::uint32_t mensagem, const NOTIFYICONDATAA* dados);
bool BandejaDisponivel();

// The mouse message an icon's activation stands for. A tray that speaks the D-Bus StatusNotifier
// protocol reports no double-click: its one activation ("trigger") is the double-click there.
std::uint32_t MensagemMouseDaAtivacao(QSystemTrayIcon::ActivationReason motivo, bool statusNotifier);

// How the window with handle `hWnd` receives the icon's mouse messages (WM_LBUTTONDBLCLK, ...).
// An empty receptor stops the delivery.
void DefineReceptorBandeja(std::uint32_t hWnd, std::function<void(std::uint32_t mensagemMouse)> receptor);

// Hands a mouse message of an icon to its window's receptor, if it has one. Backends call it when
// the user acts on an icon.
void EntregaMensagemBandeja(std::uint32_t hWnd, std::uint32_t mensagemMouse);

template <> std::shared_ptr<Bandeja> BackendPadrao<Bandeja>();

} // namespace plataforma
