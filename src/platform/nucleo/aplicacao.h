// The application's title, as message boxes and the main window show it.
#pragma once

namespace plataforma {

inline constexpr const char* TituloAplicacao = "e-Telvanor 3.1 Standard";

} // namespace plataforma
