// The scan of a picture for runs of a transparent colour, as the region builder and the region file
// both need it. Coordinates are 1-based; column W and row H lie past the picture.
#pragma once

#include "platform/regiao/regiao.h"

#include <cstdint>
#include <optional>
#include <vector>

// The transparent runs are kept as the rectangles the region builder takes: a run of columns left
// up to, not including, right, is one row high, from top to bottom = top + 1.
struct Varredura {
    int largura;
    int altura;
    std::vector<plataforma::RECT> corridos; // in scan order: by row, then by column
};

// Nothing when the picture's pixels cannot be reached; the memory context is released in every case.
std::optional<Varredura> VarreFigura(std::uint32_t bitmap, std::uint32_t corTransparente);
