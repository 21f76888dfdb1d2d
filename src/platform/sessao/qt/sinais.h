// SIGTERM and SIGINT end the program as a system shutdown would: the handler runs on the
// user-interface thread, never inside the signal.
#pragma once

#include <functional>

namespace plataforma {

void AoTerminar(std::function<void()> tratador);

} // namespace plataforma
