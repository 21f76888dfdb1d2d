#include "platform/discagem/networkmanager/espera_rediscagem.h"

#include <algorithm>

namespace plataforma::nm {

void EsperaRediscagem::Falhou(InstanteMonotono agora) {
    espera_ = espera_.count() == 0 ? Primeira : std::min(espera_ * 2, std::chrono::seconds(Maxima));
    liberada_ = agora + espera_;
}

void EsperaRediscagem::Caiu(InstanteMonotono conectou, InstanteMonotono agora) {
    if (agora - conectou < Estavel) {
        Falhou(agora);
        return;
    }
    espera_ = Primeira;
    liberada_ = agora + espera_;
}

void EsperaRediscagem::Recusou(std::size_t credenciais, InstanteMonotono agora) {
    Falhou(agora);
    recusadas_ = true;
    credenciaisRecusadas_ = credenciais;
    recusadasEm_ = agora;
}

bool EsperaRediscagem::Retida(std::size_t credenciais, InstanteMonotono agora) const {
    return recusadas_ && credenciais == credenciaisRecusadas_ && agora - recusadasEm_ < Retencao;
}

} // namespace plataforma::nm
