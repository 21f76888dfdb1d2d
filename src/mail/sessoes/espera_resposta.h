// The pacing of a reply wait, the same for every protocol, and the stop of a run from inside one.
// Each pass looks at what has arrived, then tests the time-out against the time read at the pass's
// start, then pauses serving events. The first pass reads no time at all, so with a time-out of 0 a
// reply that arrives within the first pause is still taken.
#pragma once

#include "mail/sessoes_email.h"
#include "platform/nucleo/relogio.h"

#include <optional>

class QAbstractSocket;

namespace quelza {

// Thrown by a wait once the run was stopped; the session lets go of its account without a word.
struct VerificacaoInterrompida {};

class EsperaResposta {
public:
    EsperaResposta(QAbstractSocket& sck, AmbienteSessao& ambiente);
    ~EsperaResposta();
    EsperaResposta(const EsperaResposta&) = delete;
    EsperaResposta& operator=(const EsperaResposta&) = delete;

    // After a pass found no whole reply: false when the wait is over (the connection ended, or the
    // time-out has passed), otherwise pauses serving events and returns true.
    bool Pausa(bool conexaoTerminada);

private:
    QAbstractSocket& sck_;
    AmbienteSessao& ambiente_;
    QAbstractSocket* anterior_;
    std::optional<plataforma::InstanteMonotono> inicio_;
};

// Stops every wait: the socket awaited now is closed at once, and this and every later wait throw
// VerificacaoInterrompida until LiberaEsperas.
void InterrompeEsperas();
void LiberaEsperas();
bool EsperasInterrompidas();

} // namespace quelza
