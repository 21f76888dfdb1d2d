#include "platform/texto/cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace plataforma {
namespace {

// Unicode of the codes 0x80 to 0x9F; the undefined ones stand for themselves.
constexpr std::array<char32_t, 32> kFaixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t Unicode(unsigned char codigo) {
    return codigo >= 0x80 && codigo < 0xA0 ? kFaixa80[codigo - 0x80] : codigo;
}

std::optional<unsigned char> Codigo(char32_t caractere) {
    if (caractere < 0x80 || (caractere >= 0xA0 && caractere <= 0xFF))
        return static_cast<unsigned char>(caractere);
    for (std::size_t i = 0; i < kFaixa80.size(); ++i)
        if (kFaixa80[i] == caractere)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

struct Lido {
    char32_t caractere;
    std::size_t bytes;
};

// The character that starts at `pos`, or nothing when the bytes there are not well-formed UTF-8.
std::optional<Lido> LeCaractere(std::string_view utf8, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char inicial = byte(pos);
    if (inicial < 0x80)
        return Lido{inicial, 1};
    // Leading byte pattern, continuation count and the least character that needs that many.
    struct Forma {
        unsigned char mascara, padrao;
        std::size_t continuacoes;
        char32_t minimo;
    };
    static constexpr std::array<Forma, 3> kFormas = {
        {{0xE0, 0xC0, 1, 0x80}, {0xF0, 0xE0, 2, 0x800}, {0xF8, 0xF0, 3, 0x10000}}};
    const auto forma = std::find_if(kFormas.begin(), kFormas.end(),
                                    [&](const Forma& f) { return (inicial & f.mascara) == f.padrao; });
    if (forma == kFormas.end() || pos + forma->continuacoes >= utf8.size())
        return std::nullopt;
    char32_t caractere = inicial & static_cast<unsigned char>(~forma->mascara);
    for (std::size_t i = 1; i <= forma->continuacoes; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return std::nullopt;
        caractere = (caractere << 6) | (byte(pos + i) & 0x3F);
    }
    if (caractere < forma->minimo || caractere > 0x10FFFF || (caractere >= 0xD800 && caractere <= 0xDFFF))
        return std::nullopt;
    return Lido{caractere, forma->continuacoes + 1};
}

void AcrescentaUtf8(std::string& saida, char32_t c) {
    if (c < 0x80) {
        saida += static_cast<char>(c);
    } else if (c < 0x800) {
        saida += static_cast<char>(0xC0 | (c >> 6));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        saida += static_cast<char>(0xE0 | (c >> 12));
        saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A malformed sequence gives one '?' for its first byte; the bytes after it are read afresh.
std::string Converte(std::string_view utf8, bool& exato) {
    std::string saida;
    saida.reserve(utf8.size());
    exato = true;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lido = LeCaractere(utf8, pos);
        const auto codigo = lido ? Codigo(lido->caractere) : std::nullopt;
        exato = exato && codigo.has_value();
        saida += static_cast<char>(codigo.value_or('?'));
        pos += lido ? lido->bytes : 1;
    }
    return saida;
}

} // namespace

std::string ParaCp1252(std::string_view utf8) {
    bool exato = true;
    return Converte(utf8, exato);
}

std::optional<std::string> ParaCp1252Exato(std::string_view utf8) {
    bool exato = true;
    std::string saida = Converte(utf8, exato);
    if (!exato)
        return std::nullopt;
    return saida;
}

std::string DeCp1252(std::string_view bytes) {
    std::string saida;
    saida.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        AcrescentaUtf8(saida, Unicode(static_cast<unsigned char>(byte)));
    return saida;
}

bool Utf8Valido(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto lido = LeCaractere(bytes, pos);
        if (!lido)
            return false;
        pos += lido->bytes;
    }
    return true;
}

char MinusculaCp1252(char codigo) {
    const auto c = static_cast<unsigned char>(codigo);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<char>(c + 0x20);
    switch (c) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return static_cast<char>(c + 0x10);
    case 0x9F: // Ÿ
        return static_cast<char>(0xFF);
    default:
        return codigo;
    }
}

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (MinusculaCp1252(a[i]) != MinusculaCp1252(b[i]))
            return false;
    return true;
}

} // namespace plataforma
