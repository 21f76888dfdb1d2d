#include "shape/varredura_figura.h"

#include "platform/qt/contexto_dispositivo.h"

#include <algorithm>

using namespace plataforma;

namespace {

// The COLORREF 0x00BBGGRR as a 32-bit device-independent pixel 0x00RRGGBB.
std::uint32_t PixelDe(COLORREF cor) {
    return (cor & 0x0000FF00u) | (cor & 0xFFu) << 16 | (cor >> 16 & 0xFFu);
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
    // inside matches a value with its top byte set.
    const bool foraCasa = corTransparente == CLR_INVALID;
    const bool dentroCasa = corTransparente <= 0x00FFFFFFu;
    const std::uint32_t alvo = PixelDe(corTransparente);
    const auto largura = static_cast<std::size_t>(std::max(W, 0));
    std::vector<std::uint32_t> linha(largura);
    // Whether each column of the row is of the transparent colour, column W included; worked out a
    // row at a time in a loop without branches, so the run search below reads plain bytes.
    std::vector<std::uint8_t> transparente(largura + 2);
    for (int y = 1; ok && y <= bm.bmHeight; ++y) {
        const bool dentro = GetDIBits(dc, bitmap, y, 1, linha.data()) == 1;
        for (std::size_t x = 0; x < largura; ++x)
            transparente[x] = dentro ? (linha[x] & 0x00FFFFFFu) == alvo && dentroCasa : foraCasa;
        transparente[largura] = transparente[largura + 1] = foraCasa;
        for (int x = 1; x <= W; ++x) {
            if (!transparente[x])
                continue;
            const int x0 = x;
            do
                ++x;
            while (transparente[x] && x < W);
            v->corridos.push_back(Corrido{x0, x, y});
        }
    }
    if (anterior != 0)
        SelectObject(dc, anterior);
    DeleteDC(dc);
    return v;
}
