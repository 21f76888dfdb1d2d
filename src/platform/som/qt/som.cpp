#include "platform/som/qt/som.h"

#include "platform/arquivos/pastas.h"
#include "platform/nucleo/diagnostico.h"

#include <dlfcn.h>

#include <string>

namespace plataforma {
namespace {

// The module is looked for beside the executable that runs, installed or not, and is loaded once,
// on the first call; it is never unloaded. Without it there is no device and nothing plays.
class SomDoModulo final : public Som {
public:
    bool Toca(const char* nome, std::uint32_t opcoes) override {
        Som* som = Carregado();
        return som && som->Toca(nome, opcoes);
    }

    std::uint32_t Dispositivos() override {
        Som* som = Carregado();
        return som ? som->Dispositivos() : 0;
    }

private:
    Som* Carregado() {
        if (!tentado_) {
            tentado_ = true;
            som_.reset(Carrega());
        }
        return som_.get();
    }

    static Som* Carrega() {
        const std::string caminho = PastaExecutavel() + "/" + MODULO_SOM;
        void* modulo = ::dlopen(caminho.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!modulo) {
            Diagnostico(std::string("sem som: ") + ::dlerror());
            return nullptr;
        }
        auto cria = reinterpret_cast<CriaSom>(::dlsym(modulo, EntradaModuloSom));
        if (!cria) {
            Diagnostico("sem som: " + caminho + " não tem " + EntradaModuloSom);
            return nullptr;
        }
        return cria();
    }

    bool tentado_ = false;
    std::unique_ptr<Som> som_;
};

Som& Atual() { return Backend<Som>::Atual(); }

} // namespace

bool PlaySoundA(const char* nome, const void*, std::uint32_t opcoes) { return Atual().Toca(nome, opcoes); }
std::uint32_t waveOutGetNumDevs() { return Atual().Dispositivos(); }
template <> std::shared_ptr<Som> BackendPadrao<Som>() { return std::make_shared<SomDoModulo>(); }

} // namespace plataforma
