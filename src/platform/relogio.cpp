#include "platform/relogio.h"

#include <ctime>

namespace plataforma {
namespace {

std::shared_ptr<const Relogio>& Atual() {
    static std::shared_ptr<const Relogio> atual;
    return atual;
}

} // namespace

Instante Agora() { return Atual() ? Atual()->Agora() : std::chrono::system_clock::now(); }

InstanteMonotono AgoraMonotono() { return Atual() ? Atual()->Monotono() : std::chrono::steady_clock::now(); }

int SegundosDoDia(Instante instante) {
    const std::time_t t = std::chrono::system_clock::to_time_t(instante);
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

void DefineRelogio(std::shared_ptr<const Relogio> relogio) { Atual() = std::move(relogio); }

} // namespace plataforma
