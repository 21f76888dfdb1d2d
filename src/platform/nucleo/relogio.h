// The clock every part of the program reads, so that tests can set the time: the time of day, and a
// monotonic reading for elapsed times, which keeps growing across midnight and clock changes.
#pragma once

#include "platform/nucleo/backend.h"

#include <chrono>
#include <memory>

namespace plataforma {

using Instante = std::chrono::system_clock::time_point;
using InstanteMonotono = std::chrono::steady_clock::time_point;

class Relogio {
public:
    virtual ~Relogio() = default;
    virtual Instante Agora() const = 0;
    virtual InstanteMonotono Monotono() const { return std::chrono::steady_clock::now(); }
};

Instante Agora();
InstanteMonotono AgoraMonotono();

// Seconds since local midnight of an instant (0 to 86399).
int SegundosDoDia(Instante instante);

// The system clock.
template <> std::shared_ptr<Relogio> BackendPadrao<Relogio>();

} // namespace plataforma
