#include "platform/som/onda.h"

#include <algorithm>

namespace plataforma {
namespace {

constexpr std::uint16_t FormatoPcm = 0x0001;
constexpr std::uint16_t FormatoFloat = 0x0003;
constexpr std::uint16_t FormatoALaw = 0x0006;
constexpr std::uint16_t FormatoULaw = 0x0007;
constexpr std::uint16_t FormatoExtensivel = 0xFFFE;

// The extensible record names its format by a GUID whose first two bytes are the plain format's
// code and whose other fourteen are these.
constexpr std::string_view RestoDoGuid{"\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14};

std::uint16_t U16(std::string_view b, std::size_t i) {
    const auto byte = [b](std::size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(b[k])); };
    return static_cast<std::uint16_t>(byte(i) | byte(i + 1) << 8);
}

std::uint32_t U32(std::string_view b, std::size_t i) {
    return U16(b, i) | static_cast<std::uint32_t>(U16(b, i + 2)) << 16;
}

std::optional<FormatoAmostra> Formato(std::uint16_t codigo, std::uint16_t bits) {
    switch (codigo) {
    case FormatoPcm:
        switch (bits) {
        case 8:
            return FormatoAmostra::U8;
        case 16:
            return FormatoAmostra::S16LE;
        case 24:
            return FormatoAmostra::S24LE;
        case 32:
            return FormatoAmostra::S32LE;
        }
        return std::nullopt;
    case FormatoFloat:
        return bits == 32 ? std::optional(FormatoAmostra::Float32LE) : std::nullopt;
    case FormatoALaw:
        return bits == 8 ? std::optional(FormatoAmostra::ALaw) : std::nullopt;
    case FormatoULaw:
        return bits == 8 ? std::optional(FormatoAmostra::ULaw) : std::nullopt;
    }
    return std::nullopt;
}

// The "fmt " chunk's body. Every frame is the channels' samples side by side, each in the bytes
// its bits fill, so the block size must say exactly that.
std::optional<Onda> RegistroFormato(std::string_view fmt) {
    if (fmt.size() < 16)
        return std::nullopt;
    std::uint16_t codigo = U16(fmt, 0);
    const std::uint16_t canais = U16(fmt, 2);
    const std::uint32_t taxa = U32(fmt, 4);
    const std::uint16_t bloco = U16(fmt, 12);
    const std::uint16_t bits = U16(fmt, 14);
    if (codigo == FormatoExtensivel) {
        // cbSize, valid bits per sample, channel mask, sub-format.
        if (fmt.size() < 40 || U16(fmt, 16) < 22 || U16(fmt, 18) > bits || fmt.substr(26, 14) != RestoDoGuid)
            return std::nullopt;
        codigo = U16(fmt, 24);
    }
    const auto formato = Formato(codigo, bits);
    if (!formato || canais == 0 || taxa == 0 || bloco != canais * BytesPorAmostra(*formato))
        return std::nullopt;
    return Onda{*formato, canais, taxa, {}};
}

} // namespace

std::size_t BytesPorAmostra(FormatoAmostra formato) {
    switch (formato) {
    case FormatoAmostra::S16LE:
        return 2;
    case FormatoAmostra::S24LE:
        return 3;
    case FormatoAmostra::S32LE:
    case FormatoAmostra::Float32LE:
        return 4;
    default:
        return 1;
    }
}

std::optional<Onda> InterpretaOnda(std::string_view arquivo) {
    if (arquivo.size() < 12 || arquivo.substr(0, 4) != "RIFF" || arquivo.substr(8, 4) != "WAVE")
        return std::nullopt;
    // The chunks run to the end of the file, whatever the RIFF header says its size is; each body
    // is padded to an even length.
    std::optional<Onda> onda;
    std::optional<std::string_view> dados;
    std::size_t pos = 12;
    while ((!onda || !dados) && arquivo.size() - pos >= 8) {
        const std::string_view id = arquivo.substr(pos, 4);
        const std::uint32_t tamanho = U32(arquivo, pos + 4);
        const std::size_t resta = arquivo.size() - pos - 8;
        const std::string_view corpo = arquivo.substr(pos + 8, std::min<std::size_t>(tamanho, resta));
        if (id == "fmt " && !onda) {
            if (tamanho > resta || !(onda = RegistroFormato(corpo)))
                return std::nullopt;
        } else if (id == "data" && !dados) {
            dados = corpo;
        }
        if (tamanho >= resta)
            break;
        pos += 8 + tamanho + (tamanho & 1);
    }
    if (!onda || !dados)
        return std::nullopt;
    const std::size_t quadro = onda->canais * BytesPorAmostra(onda->formato);
    onda->dados = dados->substr(0, dados->size() - dados->size() % quadro);
    if (onda->dados.empty())
        return std::nullopt;
    return onda;
}

} // namespace plataforma
