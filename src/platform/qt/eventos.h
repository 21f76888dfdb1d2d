// The event pump and the sleep of the user-interface thread. Tests install a backend that counts
// the calls and runs nothing, so that no timer fires behind a test's back.
#pragma once

#include "platform/backend.h"

#include <cstdint>
#include <memory>

namespace plataforma {

class Eventos {
public:
    virtual ~Eventos() = default;
    virtual void Bombeia() = 0;
    virtual void Dorme(std::uint32_t milissegundos) = 0;
};

// Lets the pending window events run once.
void DoEvents();
void Sleep(std::uint32_t milissegundos);

template <> std::shared_ptr<Eventos> BackendPadrao<Eventos>();

} // namespace plataforma
