#include "shape/arquivo_regiao.h"

#include <charconv>
#include <limits>

namespace {

// A decimal number without sign filling the whole text; nothing for anything else or a number too
// large for a coordinate.
std::optional<int> Numero(std::string_view texto) {
    int valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (texto.empty() || texto.front() == '-' || erro != std::errc() || fim != texto.data() + texto.size())
        return std::nullopt;
    return valor;
}

// The runs of the text after the size line, or nothing when one lies outside a W x H picture. One
// pass over the bytes: this file can hold half a million records.
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

std::optional<Varredura> InterpretaArquivoRegiao(std::string_view t) {
    const auto quebra = t.find("\r\n");
    const std::string_view cabecalho = t.substr(0, quebra);
    const auto virgula = cabecalho.find(',');
    if (virgula == std::string_view::npos)
        return std::nullopt;
    const auto W = Numero(cabecalho.substr(0, virgula));
    const auto H = Numero(cabecalho.substr(virgula + 1));
    if (!W || !H || *W == 0 || *H == 0)
        return std::nullopt;
    auto corridos =
        Corridos(quebra == std::string_view::npos ? std::string_view() : t.substr(quebra + 2), *W, *H);
    if (!corridos)
        return std::nullopt;
    return Varredura{*W, *H, std::move(*corridos)};
}
