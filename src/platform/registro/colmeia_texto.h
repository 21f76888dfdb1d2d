// The text form of the hive: "REGEDIT4", then one block per key that has values or no subkeys, texts
// quoted with \\ \" and \xHH escapes, binary data as hex: byte lists. Pure; the file is handled by
// colmeia_arquivo.h.
#pragma once

#include "platform/registro/colmeia_dados.h"

#include <string>
#include <string_view>

namespace plataforma {

std::string EscreveColmeia(const Colmeia& colmeia);

struct LeituraColmeia {
    Colmeia colmeia;
    // Something in the text could not be understood or kept: writing the hive back would lose it.
    bool danificada = false;
};

// Keeps all it understands of a damaged text and says that it was damaged.
LeituraColmeia InterpretaColmeia(std::string_view texto);

} // namespace plataforma
