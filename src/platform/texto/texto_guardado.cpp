#include "platform/texto/texto_guardado.h"

#include "platform/texto/cp1252.h"

namespace plataforma {

TextoGuardado GuardaTexto(std::string_view utf8) {
    if (auto codigos = ParaCp1252Exato(utf8))
        return {std::move(*codigos), false};
    if (!Utf8Valido(utf8))
        return {ParaCp1252(utf8), false};
    return {std::string(utf8), true};
}

bool GuardadoEmUtf8(std::string_view bytes) { return Utf8Valido(bytes) && !ParaCp1252Exato(bytes); }

std::string DeTextoGuardado(std::string_view bytes) {
    return GuardadoEmUtf8(bytes) ? std::string(bytes) : DeCp1252(bytes);
}

std::string DeTextoGuardadoCortado(std::string_view bytes) {
    // The last character's first byte lies at most three bytes from the end.
    for (std::size_t corte = 1; corte <= 3 && corte <= bytes.size(); ++corte) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - corte]);
        if ((c & 0xC0) == 0x80)
            continue;
        const std::string_view antes = bytes.substr(0, bytes.size() - corte);
        if (c >= 0xC0 && !Utf8Valido(bytes.substr(antes.size())) && GuardadoEmUtf8(antes))
            return std::string(antes);
        break;
    }
    return DeTextoGuardado(bytes);
}

} // namespace plataforma
