#include "shape/varredura_figura.h"

#include "platform/qt/contexto_dispositivo.h"

using namespace plataforma;

bool VarreFigura(std::uint32_t bitmap, std::uint32_t corTransparente,
                 const std::function<bool(int, int)>& aoMedir,
                 const std::function<bool(const Corrido&)>& aoAchar) {
    const HDC dc = CreateCompatibleDC(0);
    if (dc == 0)
        return false;
    BITMAP bm{};
    bool ok = GetObjectA(bitmap, sizeof bm, &bm) == sizeof bm;
    const HGDIOBJ anterior = ok ? SelectObject(dc, bitmap) : 0;
    ok = ok && anterior != 0 && aoMedir(bm.bmWidth, bm.bmHeight);
    const int W = bm.bmWidth;
    for (int y = 1; ok && y <= bm.bmHeight; ++y) {
        for (int x = 1; ok && x <= W; ++x) {
            if (GetPixel(dc, x, y) != corTransparente)
                continue;
            const int x0 = x;
            do
                ++x;
            while (GetPixel(dc, x, y) == corTransparente && x < W);
            ok = aoAchar(Corrido{x0, x, y});
        }
    }
    if (anterior != 0)
        SelectObject(dc, anterior);
    DeleteDC(dc);
    return ok;
}
