// The desktop notice: a passing message the desktop shows apart from any window, through the
// freedesktop notification service on the session bus (org.freedesktop.Notifications). Each
// backend keeps one notice: a new one replaces the last it showed instead of piling up. Without a
// service nothing is shown and nothing is reported. Tests install a backend on a private bus.
#pragma once

#include "platform/nucleo/backend.h"

#include <QDBusConnection>

#include <functional>
#include <memory>
#include <string>

namespace plataforma {

struct AvisoDesktop {
    std::string Aplicativo; // the program's name, as the desktop lists it
    std::string Icone;      // an icon name of the theme, or a file
    std::string Resumo;
    std::string Corpo; // plain text; lines end with "\n"
};

class AvisosDesktop {
public:
    virtual ~AvisosDesktop() = default;
    virtual void Mostra(const AvisoDesktop& aviso) = 0;
};

void MostraAvisoDesktop(const AvisoDesktop& aviso);

// What runs when the user takes the default action of the notice (clicks it). Empty: nothing.
void DefineAcaoAviso(std::function<void()> acao);
// Backends call it when the user acts on their notice.
void EntregaAcaoAviso();

// A backend on `barramento`; the default one is on the session bus.
std::shared_ptr<AvisosDesktop> AvisosNoBarramento(const QDBusConnection& barramento);

template <> std::shared_ptr<AvisosDesktop> BackendPadrao<AvisosDesktop>();

} // namespace plataforma
