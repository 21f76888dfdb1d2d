// Memory device contexts over pictures, and the pixel query over them: just what reading a picture's
// pixels needs. Drawing into a context is not offered.
#pragma once

#include <cstdint>

class QImage;

namespace plataforma {

using HDC = std::uint32_t;
using HGDIOBJ = std::uint32_t;
using HBITMAP = std::uint32_t;
using COLORREF = std::uint32_t;

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// The published BITMAP record of a 32-bit process (its bits pointer is 32 bits wide).
struct BITMAP {
    std::int32_t bmType;
    std::int32_t bmWidth;
    std::int32_t bmHeight;
    std::int32_t bmWidthBytes;
    std::uint16_t bmPlanes;
    std::uint16_t bmBitsPixel;
    std::uint32_t bmBits;
};
static_assert(sizeof(BITMAP) == 24);

// Makes a picture's pixels reachable through its handle (a picture's handle is its bitmap handle).
// Registering a handle again replaces its pixels.
void RegistraBitmap(HBITMAP bitmap, const QImage& imagem);

// A new memory context holding the stock 1 x 1 bitmap; the screen context argument is not used.
HDC CreateCompatibleDC(HDC referencia);

// Selects a bitmap into a memory context and returns the one it replaces; 0 when either is unknown.
HGDIOBJ SelectObject(HDC contexto, HGDIOBJ objeto);

// Fills a BITMAP record for a bitmap handle; returns the bytes written, 0 for an unknown handle or a
// buffer smaller than the record, and the record's size when `destino` is null.
int GetObjectA(HGDIOBJ objeto, int tamanho, void* destino);

// The colour 0x00BBGGRR of a pixel of the selected bitmap, CLR_INVALID outside it.
COLORREF GetPixel(HDC contexto, int x, int y);

// Copies `linhas` rows of the bitmap from row `inicio` (counted from the top) into `bits`, one 32-bit
// pixel 0x00RRGGBB each, as a top-down 32-bit device-independent bitmap holds them; returns the rows
// copied, 0 for an unknown context or bitmap. A whole row costs one call instead of one per pixel.
int GetDIBits(HDC contexto, HBITMAP bitmap, int inicio, int linhas, std::uint32_t* bits);

// Returns non-zero when the context existed.
int DeleteDC(HDC contexto);

} // namespace plataforma
