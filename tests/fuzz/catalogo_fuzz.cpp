// The simulated line's phonebook: whatever the file holds, every listed entry is a name that can be
// dialled, and looking it up finds that very entry.
#include "platform/discagem/simulada/catalogo_simulado.h"
#include "platform/texto/cp1252.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

using namespace plataforma;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static const std::string arquivo = "/tmp/telvanor-fuzz-catalogo-" + std::to_string(::getpid()) + ".ini";
    std::ofstream(arquivo, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(dados), static_cast<std::streamsize>(tamanho));
    for (const std::string& nome : NomesDoCatalogo(arquivo)) {
        if (nome.empty() || nome.find('\0') != std::string::npos)
            std::abort();
        const auto entrada = EntradaDoCatalogo(arquivo, nome);
        if (!entrada || !IguaisSemCaixa(entrada->nome, nome))
            std::abort();
    }
    return 0;
}
