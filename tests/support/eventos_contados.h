// The event pump and sleep for tests: counted, and running nothing unless a test asks for it.
#pragma once

#include "platform/interface/qt/eventos.h"

#include <functional>

class EventosContados : public plataforma::Eventos {
public:
    void Bombeia() override {
        ++bombeamentos;
        if (aoBombear)
            aoBombear();
    }
    void Dorme(std::uint32_t milissegundos) override { dormido += milissegundos; }

    int bombeamentos = 0;
    std::uint64_t dormido = 0;
    // Runs inside each pump, as a queued event would.
    std::function<void()> aoBombear;
};
