// Wave playback and the count of wave-output devices. They are played for real on PulseAudio by the
// sound process of the program folder, started the first time sound is asked for. Tests install a
// backend that records what was asked.
#pragma once

#include "platform/nucleo/backend.h"

#include <cstdint>
#include <memory>

namespace plataforma {

inline constexpr std::uint32_t SND_ASYNC = 0x1;
inline constexpr std::uint32_t SND_NODEFAULT = 0x2;
inline constexpr std::uint32_t SND_FILENAME = 0x20000;

class Som {
public:
    virtual ~Som() = default;
    // `nome` is a NUL-terminated UTF-8 path when SND_FILENAME is set.
    virtual bool Toca(const char* nome, std::uint32_t opcoes) = 0;
    virtual std::uint32_t Dispositivos() = 0;
};

bool PlaySoundA(const char* nome, const void* modulo, std::uint32_t opcoes);
std::uint32_t waveOutGetNumDevs();

template <> std::shared_ptr<Som> BackendPadrao<Som>();

} // namespace plataforma
