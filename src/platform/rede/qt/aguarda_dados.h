// The pause of a reply wait: serves window events until the socket has something to say (data, a
// failure, its close, a finished TLS handshake) or the limit passes, whichever comes first; it never sleeps
// blindly. Tests install a backend that keeps their own clock.
#pragma once

#include "platform/nucleo/backend.h"

#include <chrono>
#include <memory>

class QAbstractSocket;

namespace plataforma {

class Espera {
public:
    virtual ~Espera() = default;
    // True when the socket ended the pause, false when the limit did.
    virtual bool Aguarda(QAbstractSocket& socket, std::chrono::milliseconds limite) = 0;
};

bool AguardaDados(QAbstractSocket& socket, std::chrono::milliseconds limite);

// The Qt backend, the default.
template <> std::shared_ptr<Espera> BackendPadrao<Espera>();

// The Qt backend itself, for test backends that wrap it.
std::shared_ptr<Espera> EsperaQt();

} // namespace plataforma
