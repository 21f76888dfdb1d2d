// Wave files: any bytes either are refused or give samples that lie inside them, in whole frames of
// a format and rate that can be played.
#include "platform/som/onda.h"

#include <cstdlib>
#include <string_view>

using namespace plataforma;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string_view arquivo(reinterpret_cast<const char*>(dados), tamanho);
    const auto onda = InterpretaOnda(arquivo);
    if (!onda)
        return 0;
    const std::string_view amostras = onda->dados;
    if (onda->canais == 0 || onda->taxa == 0 || amostras.empty() ||
        amostras.size() % (onda->canais * BytesPorAmostra(onda->formato)) != 0)
        std::abort();
    if (amostras.data() < arquivo.data() + 12 ||
        amostras.data() + amostras.size() > arquivo.data() + arquivo.size())
        std::abort();
    return 0;
}
