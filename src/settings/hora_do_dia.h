// A time of day to the second, the form in which the schedule keeps its times.
#pragma once

#include <compare>
#include <cstdint>

struct HoraDoDia {
    std::int32_t segundos = 0; // since midnight, 0 to 86399

    static constexpr HoraDoDia De(int horas, int minutos, int segs = 0) {
        return HoraDoDia{horas * 3600 + minutos * 60 + segs};
    }
    constexpr int Horas() const { return segundos / 3600; }
    constexpr int Minutos() const { return segundos / 60 % 60; }
    constexpr int Segundos() const { return segundos % 60; }
    auto operator<=>(const HoraDoDia&) const = default;
};
