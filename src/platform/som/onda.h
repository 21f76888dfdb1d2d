// The sound files the cues are: RIFF/WAVE files of linear PCM (8-bit unsigned, 16-, 24- and 32-bit
// little-endian signed), 32-bit IEEE float or A-law/µ-law, in the plain format record or the
// extensible one. Reading is a pure function of the file's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace plataforma {

enum class FormatoAmostra { U8, S16LE, S24LE, S32LE, Float32LE, ALaw, ULaw };

struct Onda {
    FormatoAmostra formato;
    std::uint16_t canais;
    std::uint32_t taxa; // frames per second
    // The samples, interleaved, in whole frames; a view into the bytes that were read.
    std::string_view dados;
};

std::size_t BytesPorAmostra(FormatoAmostra formato);

// Refuses what is not such a file, a file without a whole frame of samples, and one whose format
// record does not fit in it. A data chunk that claims more than the file holds keeps what is there.
std::optional<Onda> InterpretaOnda(std::string_view arquivo);

} // namespace plataforma
