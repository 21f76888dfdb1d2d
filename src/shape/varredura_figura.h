// The scan of a picture for runs of a transparent colour, as the region builder and the region file
// both need it. Coordinates are 1-based; column W and row H lie past the picture.
#pragma once

#include <cstdint>
#include <functional>

// A transparent run: columns x0 up to, not including, x1 of row y.
struct Corrido {
    int x0;
    int x1;
    int y;
};

// Calls `aoAchar` for every run in scan order, after calling `aoMedir` with the picture's width and
// height. Returns false when the picture's pixels cannot be reached or a callback returns false; the
// memory context is released in every case.
bool VarreFigura(std::uint32_t bitmap, std::uint32_t corTransparente,
                 const std::function<bool(int, int)>& aoMedir,
                 const std::function<bool(const Corrido&)>& aoAchar);
