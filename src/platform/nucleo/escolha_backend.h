// Chooses the backend of a stand-in: the dial-up service, the clock, the message boxes, ... Only
// `main` and the tests include this header; the layer check refuses it anywhere else in src/.
#pragma once

#include "platform/nucleo/backend.h"

namespace plataforma {

// Null puts the stand-in's default back.
template <typename Interface> void DefineBackend(std::shared_ptr<Interface> backend) {
    Backend<Interface>::Escolhido() = std::move(backend);
}

} // namespace plataforma
