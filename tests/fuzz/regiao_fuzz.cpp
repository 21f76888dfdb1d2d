// Region files: any text either is refused or gives runs inside the picture, and the outline built
// from them stays inside it too.
#include "platform/regiao.h"
#include "shape/arquivo_regiao.h"

#include <algorithm>
#include <cstdlib>

using namespace plataforma;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const auto arquivo = InterpretaArquivoRegiao({reinterpret_cast<const char*>(dados), tamanho});
    if (!arquivo)
        return 0;
    std::vector<RECT> cortes;
    for (const Corrido& c : arquivo->corridos) {
        if (c.x0 < 0 || c.x0 > c.x1 || c.x1 > arquivo->largura || c.y < 0 || c.y >= arquivo->altura)
            std::abort();
        cortes.push_back({c.x0, c.y, c.x1, c.y + 1});
    }
    const HRGN regiao = CreateRectRgn(1, 1, arquivo->largura, std::max(arquivo->altura - 1, 1));
    const HRGN corte = ExtCreateRegion(cortes);
    CombineRgn(regiao, regiao, corte, RGN_DIFF);
    std::vector<RECT> r;
    RetangulosDaRegiao(regiao, r);
    for (const RECT& q : r)
        if (q.left < 1 || q.top < 1 || q.right > arquivo->largura || q.bottom > arquivo->altura)
            std::abort();
    DeleteObject(corte);
    DeleteObject(regiao);
    return 0;
}
