#include "platform/qt/som.h"

namespace plataforma {
namespace {

class SomMudo final : public Som {
public:
    bool Toca(const char*, std::uint32_t) override { return false; }
    std::uint32_t Dispositivos() override { return 0; }
};

std::shared_ptr<Som>& Atual() {
    static std::shared_ptr<Som> atual = std::make_shared<SomMudo>();
    return atual;
}

} // namespace

bool PlaySoundA(const char* nome, const void*, std::uint32_t opcoes) {
    return Atual()->Toca(nome, opcoes);
}
std::uint32_t waveOutGetNumDevs() {
    return Atual()->Dispositivos();
}
void DefineSom(std::shared_ptr<Som> som) {
    Atual() = som ? std::move(som) : std::make_shared<SomMudo>();
}

} // namespace plataforma
