// The event pump and the sleep of the user-interface thread. Tests install a backend that counts
// the calls and runs nothing, so that no timer fires behind a test's back.
#pragma once

#include "platform/nucleo/backend.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace plataforma {

class Eventos {
public:
    virtual ~Eventos() = default;
    virtual void Bombeia() = 0;
    virtual void Dorme(std::uint32_t milissegundos) = 0;
};

// Runs `cria`, which builds the application object, so that the object takes Qt's own event loop
// instead of GLib's: the poller pumps events four times a tick, ten ticks a second, and Qt's loop
// does each pump and each wake-up with less work. Programs started later from this one do not
// inherit the choice, and a choice the user made in the environment stands.
void CriaNoLaçoDoQt(const std::function<void()>& cria);

// Lets the pending window events run once.
void DoEvents();
void Sleep(std::uint32_t milissegundos);

template <> std::shared_ptr<Eventos> BackendPadrao<Eventos>();

} // namespace plataforma
