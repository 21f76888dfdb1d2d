#include "shape/arquivo_regiao.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
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

// Reads the digits at `p` into `valor`; false when there are none or they pass a coordinate's range.
bool Algarismos(const char*& p, const char* fim, int& valor) {
    const char* inicio = p;
    std::int64_t v = 0;
    for (; p < fim && static_cast<unsigned char>(*p - '0') < 10; ++p)
        if ((v = v * 10 + (*p - '0')) > std::numeric_limits<int>::max())
            return false;
    valor = static_cast<int>(v);
    return p != inicio;
}

bool Separador(const char*& p, const char* fim, char c) { return p < fim && *p++ == c; }

// The number of one to seven digits at `p`, read from the eight bytes there at once with no branch
// per digit (where each number ends was a mispredicted branch three times a record); false, with `p`
// unmoved, for no digit or more than seven. The eight bytes must lie within the text.
bool SeteAlgarismos(const char*& p, int& valor) {
    std::uint64_t oito;
    std::memcpy(&oito, p, sizeof oito);
    const std::uint64_t algarismos = oito ^ 0x3030303030303030u; // '0'..'9' become 0..9
    // A byte's top bit set when it is no digit: above 9 in its low seven bits, or a top bit of its
    // own. No sum carries into the next byte.
    const std::uint64_t naoAlgarismo =
        (((algarismos & 0x7F7F7F7F7F7F7F7Fu) + 0x7676767676767676u) | algarismos) & 0x8080808080808080u;
    const int n = std::countr_zero(naoAlgarismo) / 8;
    if (n == 0 || n == 8)
        return false;
    // The digits moved to the top bytes, then pairs, fours and the eight put together by multiplies.
    std::uint64_t v = algarismos << (8 * (8 - n));
    v = (v & 0x0F0F0F0F0F0F0F0Fu) * 2561 >> 8;
    v = (v & 0x00FF00FF00FF00FFu) * 6553601 >> 16;
    valor = static_cast<int>((v & 0x0000FFFF0000FFFFu) * 42949672960001u >> 32);
    p += n;
    return true;
}

// A whole record "x0,x1@y" ending at '|' whose numbers have at most seven digits each, the usual
// kind, read with the text's end checked once: at least 32 bytes must remain. False, with `p`
// unmoved, for anything else, which the general reader takes.
bool RegistroComum(const char*& p, Corrido& c) {
    const char* q = p;
    if (SeteAlgarismos(q, c.x0) && *q++ == ',' && SeteAlgarismos(q, c.x1) && *q++ == '@' &&
        SeteAlgarismos(q, c.y) && *q == '|') {
        p = q;
        return true;
    }
    return false;
}

// A record "x0,x1@y" ending at '|' or the text's end; false, with `p` somewhere inside it, for
// anything else.
bool Registro(const char*& p, const char* fim, Corrido& c) {
    return Algarismos(p, fim, c.x0) && Separador(p, fim, ',') && Algarismos(p, fim, c.x1) &&
           Separador(p, fim, '@') && Algarismos(p, fim, c.y) && (p == fim || *p == '|');
}

// The runs of the text after the size line, or nothing when one lies outside a W x H picture. One
// pass over the bytes: this file can hold half a million records.
std::optional<std::vector<Corrido>> Corridos(std::string_view resto, int W, int H) {
    std::vector<Corrido> corridos;
    corridos.reserve(resto.size() / 8);
    const char* p = resto.data();
    const char* const fim = p + resto.size();
    while (p < fim) {
        Corrido c{};
        const bool legivel = (fim - p >= 32 && RegistroComum(p, c)) || Registro(p, fim, c);
        if (!legivel) {
            const void* barra = std::memchr(p, '|', static_cast<std::size_t>(fim - p));
            p = barra ? static_cast<const char*>(barra) : fim;
        }
        if (p < fim)
            ++p;
        if (!legivel)
            continue;
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
