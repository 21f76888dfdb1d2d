// Region files: any text either is refused or gives runs inside the picture, the same runs a plain
// reading of each record gives, and the outline built from them stays inside the picture too.
#include "platform/regiao.h"
#include "shape/arquivo_regiao.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>

using namespace plataforma;

namespace {

// A field of digits only that fits an int.
std::optional<int> Campo(std::string_view texto) {
    int valor = 0;
    const char* const fim = texto.data() + texto.size();
    if (texto.empty() || texto.front() < '0' || texto.front() > '9')
        return std::nullopt;
    const auto [parou, erro] = std::from_chars(texto.data(), fim, valor);
    if (erro != std::errc() || parou != fim)
        return std::nullopt;
    return valor;
}

// The records after the size line, each read whole between its bars as "x0,x1@y"; the unreadable
// ones are left out.
std::vector<Corrido> Registros(std::string_view texto) {
    std::vector<Corrido> corridos;
    const std::size_t quebra = texto.find("\r\n");
    if (quebra == std::string_view::npos)
        return corridos;
    texto.remove_prefix(quebra + 2);
    while (true) {
        const std::size_t barra = std::min(texto.find('|'), texto.size());
        const std::string_view registro = texto.substr(0, barra);
        const std::size_t virgula = registro.find(','), arroba = registro.find('@');
        if (virgula < arroba && arroba != std::string_view::npos) {
            const auto x0 = Campo(registro.substr(0, virgula));
            const auto x1 = Campo(registro.substr(virgula + 1, arroba - virgula - 1));
            const auto y = Campo(registro.substr(arroba + 1));
            if (x0 && x1 && y)
                corridos.push_back({*x0, *x1, *y});
        }
        if (barra == texto.size())
            return corridos;
        texto.remove_prefix(barra + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const auto arquivo = InterpretaArquivoRegiao({reinterpret_cast<const char*>(dados), tamanho});
    if (!arquivo)
        return 0;
    const std::vector<Corrido> lidos = Registros({reinterpret_cast<const char*>(dados), tamanho});
    if (!std::equal(
            lidos.begin(), lidos.end(), arquivo->corridos.begin(), arquivo->corridos.end(),
            [](const Corrido& a, const Corrido& b) { return a.x0 == b.x0 && a.x1 == b.x1 && a.y == b.y; }))
        std::abort();
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
