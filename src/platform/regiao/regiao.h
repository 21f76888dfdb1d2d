// GDI-style regions: rectangles combined into outlines, kept behind 32-bit handles. Only what the
// window outline needs (rectangles, difference, copy); painting and hit-testing live elsewhere.
#pragma once

#include <cstdint>
#include <vector>

namespace plataforma {

using HRGN = std::uint32_t;

// Rectangle with exclusive right and bottom edges, laid out as the published RECT record.
struct RECT {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    friend bool operator==(const RECT&, const RECT&) = default;
};
static_assert(sizeof(RECT) == 16);

// CombineRgn modes and results.
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;
inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// Corners in any order, as the published call normalises them. Returns 0 only when no handle is left.
HRGN CreateRectRgn(int x1, int y1, int x2, int y2);

// The destination must already be a region; it may also be one of the sources.
int CombineRgn(HRGN destino, HRGN fonte1, HRGN fonte2, int modo);

// The union of the rectangles, in any order and overlapping or not, as a new region: what the
// published call builds from a region-data record's rectangles (no transform is offered). Returns 0
// only when no handle is left.
HRGN ExtCreateRegion(const std::vector<RECT>& retangulos);

// Returns non-zero when the handle named a live region.
int DeleteObject(HRGN objeto);

// The region as y-x sorted, non-overlapping rectangles (rows of equal spans merged), ready for a
// window mask. Returns false for a handle that names no region.
bool RetangulosDaRegiao(HRGN regiao, std::vector<RECT>& retangulos);

// Regions alive now; lets tests see that nothing leaks.
std::size_t RegioesVivas();

} // namespace plataforma
