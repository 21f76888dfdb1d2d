#include "shape/cria_regiao.h"

#include "app/controles.h"
#include "platform/regiao.h"
#include "shape/varredura_figura.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

using namespace plataforma;

namespace {

// Removes one run from the region: its rectangle is made, subtracted and freed again.
bool Subtrai(HRGN regiao, const Corrido& c) {
    const HRGN corte = CreateRectRgn(c.x0, c.y, c.x1, c.y + 1);
    if (corte == 0)
        return false;
    const bool ok = CombineRgn(regiao, regiao, corte, RGN_DIFF) != ERROR;
    DeleteObject(corte);
    return ok;
}

// A decimal number without sign; anything else, or a number too large for a coordinate, is unreadable.
std::optional<int> Numero(std::string_view texto) {
    int valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (texto.empty() || texto.front() == '-' || erro != std::errc() || fim != texto.data() + texto.size())
        return std::nullopt;
    return valor;
}

std::optional<std::string> LeArquivo(const std::string& nome) {
    std::ifstream arquivo(nome, std::ios::binary);
    if (!arquivo)
        return std::nullopt;
    std::string texto((std::istreambuf_iterator<char>(arquivo)), std::istreambuf_iterator<char>());
    if (arquivo.bad())
        return std::nullopt;
    return texto;
}

// One record "x0,x1@y"; an unreadable record is skipped.
std::optional<Corrido> Registro(std::string_view r) {
    const auto virgula = r.find(',');
    const auto arroba = r.find('@', virgula == std::string_view::npos ? 0 : virgula);
    if (virgula == std::string_view::npos || arroba == std::string_view::npos)
        return std::nullopt;
    const auto x0 = Numero(r.substr(0, virgula));
    const auto x1 = Numero(r.substr(virgula + 1, arroba - virgula - 1));
    const auto y = Numero(r.substr(arroba + 1));
    if (!x0 || !x1 || !y)
        return std::nullopt;
    return Corrido{*x0, *x1, *y};
}

} // namespace

bool CriaRegiao::CriaRegiãoDeArquivo(const std::string& NomeArquivoRegião) {
    DestroiRegião();
    const auto texto = LeArquivo(NomeArquivoRegião);
    if (!texto)
        return true;
    const std::string_view t = *texto;
    const auto quebra = t.find("\r\n");
    const std::string_view cabecalho = t.substr(0, quebra);
    const auto virgula = cabecalho.find(',');
    if (virgula == std::string_view::npos)
        return true;
    const auto W = Numero(cabecalho.substr(0, virgula));
    const auto H = Numero(cabecalho.substr(virgula + 1));
    if (!W || !H || *W == 0 || *H == 0)
        return true;

    // One row shorter than the picture scan's base: files made by the region-file maker rely on it.
    hRegião = CreateRectRgn(1, 1, *W, *H - 1);
    if (quebra == std::string_view::npos)
        return true;
    std::string_view resto = t.substr(quebra + 2);
    while (!resto.empty()) {
        const auto barra = resto.find('|');
        if (const auto corrido = Registro(resto.substr(0, barra)))
            Subtrai(hRegião, *corrido);
        resto = barra == std::string_view::npos ? std::string_view() : resto.substr(barra + 1);
    }
    return true;
}

bool CriaRegiao::CriaRegiãoDeFigura(const Figura& figura, std::uint32_t CorTransp) {
    DestroiRegião();
    const bool ok = VarreFigura(
        figura.Handle, CorTransp,
        [this](int W, int H) {
            hRegião = CreateRectRgn(1, 1, W, H);
            return hRegião != 0;
        },
        [this](const Corrido& c) { return Subtrai(hRegião, c); });
    // Half an outline is worse than none.
    if (!ok)
        DestroiRegião();
    return ok;
}

void CriaRegiao::DestroiRegião() {
    if (hRegião != 0) {
        DeleteObject(hRegião);
        hRegião = 0;
    }
}

bool CriaRegiao::CriaArquivoRegião(const Figura& figura, std::uint32_t CorTransp,
                                   const std::string& NomeArquivo) {
    std::string texto;
    bool primeiro = true;
    const bool varreu = VarreFigura(
        figura.Handle, CorTransp,
        [&](int W, int H) {
            texto = std::to_string(W) + "," + std::to_string(H) + "\r\n";
            return true;
        },
        [&](const Corrido& c) {
            if (!primeiro)
                texto += '|';
            primeiro = false;
            texto += std::to_string(c.x0) + "," + std::to_string(c.x1) + "@" + std::to_string(c.y);
            return true;
        });
    if (!varreu)
        return false;
    std::ofstream arquivo(NomeArquivo, std::ios::binary | std::ios::trunc);
    arquivo << texto;
    arquivo.close();
    return !arquivo.fail();
}
