#include "platform/nucleo/relogio.h"

#include <ctime>

namespace plataforma {
namespace {

class RelogioSistema final : public Relogio {
public:
    Instante Agora() const override { return std::chrono::system_clock::now(); }
};

} // namespace

template <> std::shared_ptr<Relogio> BackendPadrao<Relogio>() { return std::make_shared<RelogioSistema>(); }

Instante Agora() { return Backend<Relogio>::Atual().Agora(); }

InstanteMonotono AgoraMonotono() { return Backend<Relogio>::Atual().Monotono(); }

int SegundosDoDia(Instante instante) {
    const std::time_t t = std::chrono::system_clock::to_time_t(instante);
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

} // namespace plataforma
