#include "shape/varredura_figura.h"

#include "platform/figuras/qt/contexto_dispositivo.h"

#include <algorithm>
#include <bit>
#include <cstring>

using namespace plataforma;

namespace {

// The COLORREF 0x00BBGGRR as a 32-bit device-independent pixel 0x00RRGGBB.
std::uint32_t PixelDe(COLORREF cor) {
    return (cor & 0x0000FF00u) | (cor & 0xFFu) << 16 | (cor >> 16 & 0xFFu);
}

// Eight bytes of 0 or 1 as the eight low bits, the first byte lowest: each byte's bit lands in
// the top byte of the product at its own place, and no two meet.
std::uint64_t Bits(const std::uint8_t* bytes) {
    std::uint64_t oito;
    std::memcpy(&oito, bytes, sizeof oito);
    return (oito * 0x0102040810204080u) >> 56;
}

// Appends the runs of row y whose columns are the set bits of `palavras`, bit x of word x / 64 for
// column x. A run ends where its bits do, so the bit after the last column must be clear.
void Corridos(const std::vector<std::uint64_t>& palavras, int y, std::vector<RECT>& saida) {
    // Walks the places where a bit differs from the one before it, starts and ends in turn: no
    // branch per pixel, which short runs would mispredict every time.
    std::uint64_t anterior = 0;
    bool aberto = false;
    int x0 = 0;
    for (std::size_t i = 0; i < palavras.size(); ++i) {
        std::uint64_t mudancas = palavras[i] ^ (palavras[i] << 1 | anterior);
        anterior = palavras[i] >> 63;
        for (; mudancas != 0; mudancas &= mudancas - 1) {
            const int x = static_cast<int>(64 * i) + std::countr_zero(mudancas);
            if (aberto)
                saida.push_back(RECT{x0, y, x, y + 1});
            x0 = x;
            aberto = !aberto;
        }
    }
}

} // namespace

std::optional<Varredura> VarreFigura(std::uint32_t bitmap, std::uint32_t corTransparente) {
    const HDC dc = CreateCompatibleDC(0);
    if (dc == 0)
        return std::nullopt;
    BITMAP bm{};
    bool ok = GetObjectA(bitmap, sizeof bm, &bm) == sizeof bm;
    const HGDIOBJ anterior = ok ? SelectObject(dc, bitmap) : 0;
    ok = ok && anterior != 0;
    std::optional<Varredura> v;
    if (ok)
        v = Varredura{bm.bmWidth, bm.bmHeight, {}};
    const int W = bm.bmWidth;
    // A pixel past the picture reads as CLR_INVALID, which only that "colour" matches; no pixel
    // inside matches a value with its top byte set, nor then the impossible pixel value below.
    const bool foraCasa = corTransparente == CLR_INVALID;
    const std::uint32_t alvo = corTransparente <= 0x00FFFFFFu ? PixelDe(corTransparente) : 0xFFFFFFFFu;
    const auto largura = static_cast<std::size_t>(std::max(W, 0));
    std::vector<std::uint32_t> linha(largura);
    // Whether each column of the row is of the transparent colour, worked out a row at a time in
    // loops without branches: a byte per column, then a bit. Column 0 is never examined and column
    // W, past the picture, is dealt with apart: both stay clear, as does everything after W.
    std::vector<std::uint64_t> palavras(largura / 64 + 1);
    std::vector<std::uint8_t> transparente(palavras.size() * 64);
    for (int y = 1; ok && y <= bm.bmHeight; ++y) {
        if (GetDIBits(dc, bitmap, y, 1, linha.data()) == 1)
            for (std::size_t x = 0; x < largura; ++x)
                transparente[x] = (linha[x] & 0x00FFFFFFu) == alvo;
        else
            std::fill_n(transparente.begin(), largura, foraCasa);
        transparente[0] = 0;
        for (std::size_t i = 0; i < palavras.size(); ++i) {
            palavras[i] = 0;
            for (std::size_t k = 0; k < 8; ++k)
                palavras[i] |= Bits(&transparente[64 * i + 8 * k]) << (8 * k);
        }
        const std::size_t antes = v->corridos.size();
        Corridos(palavras, y, v->corridos);
        // Column W ends the run that reaches it, or makes one of its own.
        if (foraCasa && W >= 1 && (v->corridos.size() == antes || v->corridos.back().right != W))
            v->corridos.push_back(RECT{W, y, W + 1, y + 1});
        // Room for twice as many runs in every row as the first has: a large picture's runs are then
        // not copied over and over as the array grows, and room never used is never touched.
        if (y == 1)
            v->corridos.reserve(2 * v->corridos.size() * static_cast<std::size_t>(bm.bmHeight));
    }
    if (anterior != 0)
        SelectObject(dc, anterior);
    DeleteDC(dc);
    return v;
}
