#include "platform/som/qt/som.h"

#include "platform/arquivos/pastas.h"
#include "platform/nucleo/modulo.h"

namespace plataforma {
namespace {

// The module is looked for beside the executable that runs, installed or not, and is loaded once,
// on the first call; it is never unloaded. Without it there is no device and nothing plays.
class SomDoModulo final : public Som {
public:
    bool Toca(const char* nome, std::uint32_t opcoes) override {
        Som* som = modulo_.Carregado();
        return som && som->Toca(nome, opcoes);
    }

    std::uint32_t Dispositivos() override {
        Som* som = modulo_.Carregado();
        return som ? som->Dispositivos() : 0;
    }

private:
    ObjetoDeModulo<Som> modulo_{PastaExecutavel() + "/" + MODULO_SOM, EntradaModuloSom, "sem som"};
};

Som& Atual() { return Backend<Som>::Atual(); }

} // namespace

bool PlaySoundA(const char* nome, const void*, std::uint32_t opcoes) { return Atual().Toca(nome, opcoes); }
std::uint32_t waveOutGetNumDevs() { return Atual().Dispositivos(); }
template <> std::shared_ptr<Som> BackendPadrao<Som>() { return std::make_shared<SomDoModulo>(); }

} // namespace plataforma
