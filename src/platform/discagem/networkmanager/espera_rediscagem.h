// The pace a real line is dialled at: after a failed attempt the next one waits 5 s, doubling up to
// 10 minutes, and back to 5 s once a connection has held 45 s; after refused credentials the same
// credentials are not tried again for 10 minutes. Providers block accounts that reconnect too often.
// Pure bookkeeping on the monotonic clock, which a clock step (NTP as the link comes up) does not
// bend: the instants come from the caller.
#pragma once

#include "platform/nucleo/relogio.h"

#include <chrono>
#include <cstddef>

namespace plataforma::nm {

class EsperaRediscagem {
public:
    static constexpr std::chrono::seconds Primeira{5};
    static constexpr std::chrono::seconds Maxima{600};
    static constexpr std::chrono::seconds Estavel{45};
    static constexpr std::chrono::seconds Retencao{600};

    // The earliest instant the next activation may start.
    InstanteMonotono Liberada() const { return liberada_; }

    // An attempt that ended before the line came up, or a line that held less than Estavel.
    void Falhou(InstanteMonotono agora);
    // A line that came up at `conectou` and was lost at `agora`.
    void Caiu(InstanteMonotono conectou, InstanteMonotono agora);
    // The credentials (a digest, never the password itself) were refused at `agora`.
    void Recusou(std::size_t credenciais, InstanteMonotono agora);
    // True while these credentials must not be tried again.
    bool Retida(std::size_t credenciais, InstanteMonotono agora) const;

private:
    std::chrono::seconds espera_{0};
    InstanteMonotono liberada_{};
    bool recusadas_ = false;
    std::size_t credenciaisRecusadas_ = 0;
    InstanteMonotono recusadasEm_{};
};

} // namespace plataforma::nm
