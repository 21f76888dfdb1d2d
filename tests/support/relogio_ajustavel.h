// A clock that stands still until a test moves it. Setting the time of day leaves the monotonic
// reading alone; moving the clock forward moves both. As on a real clock, no two monotonic readings
// are equal: each is a microsecond later than the one before.
#pragma once

#include "platform/nucleo/relogio.h"

#include <ctime>

class RelogioAjustavel : public plataforma::Relogio {
public:
    plataforma::Instante Agora() const override { return agora; }
    plataforma::InstanteMonotono Monotono() const override {
        monotono += std::chrono::microseconds(1);
        return monotono;
    }

    // Today, at the given local time.
    void Ajusta(int horas, int minutos, int segundos = 0) {
        std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        local.tm_hour = horas;
        local.tm_min = minutos;
        local.tm_sec = segundos;
        local.tm_isdst = -1;
        agora = std::chrono::system_clock::from_time_t(std::mktime(&local));
    }
    void Avanca(std::chrono::milliseconds passo) {
        agora += passo;
        monotono += passo;
    }

    plataforma::Instante agora = std::chrono::system_clock::from_time_t(1'700'000'000);
    mutable plataforma::InstanteMonotono monotono{};
};
