#include "shape/cria_regiao.h"

#include "app/controles.h"
#include "platform/arquivo_atomico.h"
#include "platform/regiao.h"
#include "shape/varredura_figura.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <limits>
#include <optional>
#include <string_view>

using namespace plataforma;

namespace {

// Removes every run from the region at once: the runs become one region, subtracted in one sweep.
bool Subtrai(HRGN regiao, const std::vector<Corrido>& corridos) {
    std::vector<RECT> retangulos;
    retangulos.reserve(corridos.size());
    for (const Corrido& c : corridos)
        retangulos.push_back({c.x0, c.y, c.x1, c.y + 1});
    const HRGN cortes = ExtCreateRegion(retangulos);
    if (cortes == 0)
        return false;
    const bool ok = CombineRgn(regiao, regiao, cortes, RGN_DIFF) != ERROR;
    DeleteObject(cortes);
    return ok;
}

// A decimal number without sign filling the whole text; nothing for anything else or a number too
// large for a coordinate.
std::optional<int> Numero(std::string_view texto) {
    int valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (texto.empty() || texto.front() == '-' || erro != std::errc() || fim != texto.data() + texto.size())
        return std::nullopt;
    return valor;
}

// The runs of the text after the size line, or nothing when one lies outside a W x H picture: such a
// file was not written from the picture and is as damaged as one whose size line is unreadable.
// Records "x0,x1@y" are separated by '|'; an unreadable one is skipped, as it always was. One pass
// over the bytes: this file can hold half a million records.
std::optional<std::vector<Corrido>> Corridos(std::string_view resto, int W, int H) {
    constexpr std::int64_t Maximo = std::numeric_limits<int>::max();
    std::vector<Corrido> corridos;
    corridos.reserve(resto.size() / 8);
    const char* p = resto.data();
    const char* const fim = p + resto.size();
    while (p < fim) {
        std::int64_t campos[3] = {};
        int n = 0;
        bool legivel = true;
        bool algarismos = false;
        for (; p < fim && *p != '|'; ++p) {
            const char c = *p;
            if (c >= '0' && c <= '9') {
                campos[n] = campos[n] * 10 + (c - '0');
                if (campos[n] > Maximo) {
                    legivel = false;
                    campos[n] = 0;
                }
                algarismos = true;
            } else if (algarismos && ((c == ',' && n == 0) || (c == '@' && n == 1))) {
                ++n;
                algarismos = false;
            } else {
                legivel = false;
            }
        }
        if (p < fim)
            ++p;
        if (!legivel || n != 2 || !algarismos)
            continue;
        const Corrido c{static_cast<int>(campos[0]), static_cast<int>(campos[1]),
                        static_cast<int>(campos[2])};
        if (c.x0 > c.x1 || c.x1 > W || c.y >= H)
            return std::nullopt;
        corridos.push_back(c);
    }
    return corridos;
}

} // namespace

bool CriaRegiao::CriaRegiãoDeArquivo(const std::string& NomeArquivoRegião) {
    DestroiRegião();
    const LeituraArquivo leitura = LeArquivoInteiro(NomeArquivoRegião);
    if (leitura.estado != EstadoLeitura::Lido)
        return true;
    const std::string_view t = leitura.conteudo;
    const auto quebra = t.find("\r\n");
    const std::string_view cabecalho = t.substr(0, quebra);
    const auto virgula = cabecalho.find(',');
    if (virgula == std::string_view::npos)
        return true;
    const auto W = Numero(cabecalho.substr(0, virgula));
    const auto H = Numero(cabecalho.substr(virgula + 1));
    if (!W || !H || *W == 0 || *H == 0)
        return true;
    const auto corridos =
        Corridos(quebra == std::string_view::npos ? std::string_view() : t.substr(quebra + 2), *W, *H);
    if (!corridos)
        return true;

    // One row shorter than the picture scan's base: files made by the region-file maker rely on it.
    // A picture one row high has no row left, not a row above the picture.
    hRegião = CreateRectRgn(1, 1, *W, std::max(*H - 1, 1));
    if (hRegião != 0 && !Subtrai(hRegião, *corridos))
        DestroiRegião();
    return true;
}

bool CriaRegiao::CriaRegiãoDeFigura(const Figura& figura, std::uint32_t CorTransp) {
    DestroiRegião();
    const auto varredura = VarreFigura(figura.Handle, CorTransp);
    if (!varredura)
        return false;
    hRegião = CreateRectRgn(1, 1, varredura->largura, varredura->altura);
    // Half an outline is worse than none.
    if (hRegião == 0 || !Subtrai(hRegião, varredura->corridos)) {
        DestroiRegião();
        return false;
    }
    return true;
}

void CriaRegiao::DestroiRegião() {
    if (hRegião != 0) {
        DeleteObject(hRegião);
        hRegião = 0;
    }
}

bool CriaRegiao::CriaArquivoRegião(const Figura& figura, std::uint32_t CorTransp,
                                   const std::string& NomeArquivo) {
    const auto varredura = VarreFigura(figura.Handle, CorTransp);
    if (!varredura)
        return false;
    std::string texto = std::to_string(varredura->largura) + "," + std::to_string(varredura->altura) + "\r\n";
    texto.reserve(texto.size() + varredura->corridos.size() * 14);
    char registro[48];
    bool primeiro = true;
    for (const Corrido& c : varredura->corridos) {
        const int n =
            std::snprintf(registro, sizeof registro, "%s%d,%d@%d", primeiro ? "" : "|", c.x0, c.x1, c.y);
        texto.append(registro, static_cast<std::size_t>(n));
        primeiro = false;
    }
    std::ofstream arquivo(NomeArquivo, std::ios::binary | std::ios::trunc);
    arquivo << texto;
    arquivo.close();
    return !arquivo.fail();
}
