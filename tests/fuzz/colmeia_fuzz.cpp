// The hive's text: whatever a file holds, what is kept of it writes out as a text that reads back
// undamaged and writes out the same again.
#include "platform/registro/colmeia_texto.h"

#include <cstdlib>

using namespace plataforma;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const LeituraColmeia primeira = InterpretaColmeia({reinterpret_cast<const char*>(dados), tamanho});
    const std::string escrita = EscreveColmeia(primeira.colmeia);
    const LeituraColmeia segunda = InterpretaColmeia(escrita);
    if (segunda.danificada || EscreveColmeia(segunda.colmeia) != escrita)
        std::abort();
    return 0;
}
