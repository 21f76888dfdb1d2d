// Wave playback for tests: records what was asked to play, plays nothing, and reports as many
// wave-output devices as the test sets.
#pragma once

#include "platform/som/qt/som.h"

#include <cstdint>
#include <string>
#include <vector>

class SomRegistrado : public plataforma::Som {
public:
    struct Chamada {
        std::string nome;
        std::uint32_t opcoes;
    };

    bool Toca(const char* nome, std::uint32_t opcoes) override {
        chamadas.push_back({nome ? nome : "", opcoes});
        return true;
    }
    std::uint32_t Dispositivos() override { return dispositivos; }

    // The paths asked for, in order.
    std::vector<std::string> Tocados() const {
        std::vector<std::string> nomes;
        for (const Chamada& c : chamadas)
            nomes.push_back(c.nome);
        return nomes;
    }

    std::uint32_t dispositivos = 1;
    std::vector<Chamada> chamadas;
};
