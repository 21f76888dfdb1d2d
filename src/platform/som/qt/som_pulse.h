// Wave playback on PulseAudio's own client library. It runs in the sound process (servico_som.cpp),
// never in the program, which loads none of PulseAudio's libraries.
#pragma once

#include "platform/som/qt/som.h"

#include <memory>

namespace plataforma {

class SomPulse : public Som {
public:
    // Whether a cue is still on its way to a server that is there.
    virtual bool Soando() = 0;
};

std::unique_ptr<SomPulse> CriaSomPulse();

} // namespace plataforma
