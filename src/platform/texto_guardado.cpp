#include "platform/texto_guardado.h"

#include "platform/cp1252.h"

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

} // namespace plataforma
