// Region files: any text either is refused or gives runs inside the picture, the same runs a plain
// reading of each record gives, and the outline built from them stays inside the picture too.
#include "platform/regiao/regiao.h"
#include "shape/arquivo_regiao.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>
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
std::vector<RECT> Registros(std::string_view texto) {
    std::vector<RECT> corridos;
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
            // A run in the last row an int can name would have no bottom edge; no picture reaches it.
            if (x0 && x1 && y && *y < std::numeric_limits<int>::max())
                corridos.push_back({*x0, *y, *x1, *y + 1});
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
    if (Registros({reinterpret_cast<const char*>(dados), tamanho}) != arquivo->corridos)
        std::abort();
    for (const RECT& c : arquivo->corridos)
        if (c.left < 0 || c.left > c.right || c.right > arquivo->largura || c.top < 0 ||
            c.top >= arquivo->altura)
            std::abort();
    const HRGN regiao = CreateRectRgn(1, 1, arquivo->largura, std::max(arquivo->altura - 1, 1));
    const HRGN corte = ExtCreateRegion(arquivo->corridos);
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
