#include "shape/arquivo_regiao.h"

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

// Steps over `c`; any other byte stays, as it may be the bar that begins the next record.
bool Separador(const char*& p, const char* fim, char c) {
    if (p == fim || *p != c)
        return false;
    ++p;
    return true;
}

// Bytes a plain record can look at: three numbers of up to nine digits, each followed by one more
// byte, and the separators.
constexpr std::ptrdiff_t kAlcanceRegistro = 40;

// The digit's value; 10 or more for any other byte.
unsigned Digito(char c) { return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0'; }

// Reads nine digits at most at `q` into `valor`; false when there are none or a tenth follows.
bool Curto(const char*& q, int& valor) {
    unsigned v = Digito(q[0]);
    if (v >= 10)
        return false;
    for (int i = 1; i < 10; ++i) {
        const unsigned d = Digito(q[i]);
        if (d >= 10) {
            q += i;
            valor = static_cast<int>(v);
            return true;
        }
        v = v * 10 + d;
    }
    return false;
}

// A record "x0,x1@y|" of short numbers at `p`, read with no check for the text's end: at least
// kAlcanceRegistro bytes follow `p`. `p` moves past the bar only when the record is one; anything
// else is left to the careful reader.
bool RegistroSimples(const char*& p, plataforma::RECT& c) {
    const char* q = p;
    if (!Curto(q, c.left) || *q++ != ',' || !Curto(q, c.right) || *q++ != '@' || !Curto(q, c.top) ||
        *q != '|')
        return false;
    p = q + 1;
    return true;
}

// A record at `p` read with every check, up to `fim`: false when it is not "x0,x1@y". `p` moves past
// the record's bar (or to the end) either way.
bool RegistroCuidadoso(const char*& p, const char* fim, plataforma::RECT& c) {
    const bool legivel = Algarismos(p, fim, c.left) && Separador(p, fim, ',') &&
                         Algarismos(p, fim, c.right) && Separador(p, fim, '@') && Algarismos(p, fim, c.top) &&
                         (p == fim || *p == '|');
    if (!legivel) {
        const void* barra = std::memchr(p, '|', static_cast<std::size_t>(fim - p));
        p = barra ? static_cast<const char*>(barra) : fim;
    }
    if (p < fim)
        ++p;
    return legivel;
}

// The runs of the text after the size line, or nothing when one lies outside a W x H picture. One
// pass over the bytes: this file can hold half a million records.
std::optional<std::vector<plataforma::RECT>> Corridos(std::string_view resto, int W, int H) {
    std::vector<plataforma::RECT> corridos;
    corridos.reserve(resto.size() / 8);
    const char* p = resto.data();
    const char* const fim = p + resto.size();
    while (p < fim) {
        plataforma::RECT c{};
        const bool simples = fim - p > kAlcanceRegistro && RegistroSimples(p, c);
        if (!simples && !RegistroCuidadoso(p, fim, c))
            continue;
        if (c.left > c.right || c.right > W || c.top >= H)
            return std::nullopt;
        c.bottom = c.top + 1;
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
