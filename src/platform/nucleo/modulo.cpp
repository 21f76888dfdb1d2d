#include "platform/nucleo/modulo.h"

#include "platform/nucleo/diagnostico.h"

#include <dlfcn.h>

namespace plataforma {

void* SimboloDoModulo(const std::string& caminho, const char* simbolo, const std::string& motivo) {
    void* modulo = ::dlopen(caminho.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!modulo) {
        Diagnostico(motivo + ": " + ::dlerror());
        return nullptr;
    }
    void* endereco = ::dlsym(modulo, simbolo);
    if (!endereco)
        Diagnostico(motivo + ": " + caminho + " não tem " + simbolo);
    return endereco;
}

} // namespace plataforma
