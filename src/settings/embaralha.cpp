#include "settings/embaralha.h"

#include "platform/texto/cp1252.h"

#include <cstdint>

namespace quelza {
namespace {

// Upper case as the Windows-1252 code page defines it; the few lower-case letters with no
// upper-case partner in the page (sharp s, micro sign) stay as they are.
unsigned char Maiuscula(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: // s caron
    case 0x9C: // oe
    case 0x9E: // z caron
        return static_cast<unsigned char>(c - 0x10);
    case 0xFF: // y diaeresis
        return 0x9F;
    default:
        return c;
    }
}

// Shifts every code by the key code paired with its position; `sentido` is +1 or -1. Position i
// (from 1) pairs with key position (i mod L) + 1, so the key is entered at its second character.
std::string Desloca(const std::string& texto, const std::string& chave, int sentido) {
    std::string codigos = plataforma::ParaCp1252(texto);
    std::string chaveCodigos = plataforma::ParaCp1252(chave);
    if (chaveCodigos.empty())
        return texto;
    for (char& c : chaveCodigos)
        c = static_cast<char>(Maiuscula(static_cast<unsigned char>(c)));

    const std::size_t tamanhoChave = chaveCodigos.size();
    for (std::size_t i = 0; i < codigos.size(); ++i) {
        const auto c = static_cast<unsigned char>(codigos[i]);
        const auto k = static_cast<unsigned char>(chaveCodigos[(i + 1) % tamanhoChave]);
        codigos[i] = static_cast<char>(static_cast<std::uint8_t>(c + sentido * k));
    }
    return plataforma::DeCp1252(codigos);
}

} // namespace

std::string Embaralha(const std::string& texto, const std::string& chave) {
    return Desloca(texto, chave, +1);
}

std::string Desembaralha(const std::string& texto, const std::string& chave) {
    return Desloca(texto, chave, -1);
}

} // namespace quelza
