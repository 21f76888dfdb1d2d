#include "platform/qt/bandeja.h"

namespace plataforma {
namespace {

class BandejaAusente final : public Bandeja {
public:
    bool Notifica(std::uint32_t, const NOTIFYICONDATAA&) override { return false; }
};

std::shared_ptr<Bandeja>& Atual() {
    static std::shared_ptr<Bandeja> atual = std::make_shared<BandejaAusente>();
    return atual;
}

} // namespace

bool Shell_NotifyIconA(std::uint32_t mensagem, const NOTIFYICONDATAA* dados) {
    return dados && Atual()->Notifica(mensagem, *dados);
}
void DefineReceptorBandeja(std::uint32_t, std::function<void(std::uint32_t)>) {}
void DefineBandeja(std::shared_ptr<Bandeja> bandeja) {
    Atual() = bandeja ? std::move(bandeja) : std::make_shared<BandejaAusente>();
}

} // namespace plataforma
