// The scan of a picture for runs of a transparent colour, as the region builder and the region file
// both need it. Coordinates are 1-based; column W and row H lie past the picture.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// A transparent run: columns x0 up to, not including, x1 of row y.
struct Corrido {
    int x0;
    int x1;
    int y;
};

struct Varredura {
    int largura;
    int altura;
    std::vector<Corrido> corridos; // in scan order: by row, then by column
};

// Nothing when the picture's pixels cannot be reached; the memory context is released in every case.
std::optional<Varredura> VarreFigura(std::uint32_t bitmap, std::uint32_t corTransparente);
