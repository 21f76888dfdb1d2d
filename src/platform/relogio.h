// The clock every part of the program reads, so that tests can set the time.
#pragma once

#include "platform/backend.h"

#include <chrono>
#include <memory>

namespace plataforma {

using Instante = std::chrono::system_clock::time_point;

class Relogio {
public:
    virtual ~Relogio() = default;
    virtual Instante Agora() const = 0;
};

Instante Agora();

// Seconds since local midnight of an instant (0 to 86399).
int SegundosDoDia(Instante instante);

// The system clock.
template <> std::shared_ptr<Relogio> BackendPadrao<Relogio>();

} // namespace plataforma
