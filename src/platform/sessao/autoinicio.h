// The session autostart entry that mirrors the start-with-Windows value, so the desktop really starts
// the program with the session. Only the entry file is written here; the value itself is in the hive.
#pragma once

#include <string>

namespace plataforma {

// $XDG_CONFIG_HOME/autostart/e-Telvanor.desktop (default ~/.config/autostart).
std::string ArquivoAutoinicio();

// The desktop entry for a command line such as "<program folder>/e-Telvanor3Std /bandeja" (UTF-8).
// An empty command gives an entry that is hidden, and so ignored, whose Exec names `programa`.
std::string EntradaAutoinicio(const std::string& comando, const std::string& programa);

// Writes the entry for `comando`, creating the autostart folder when missing. Returns false when the
// file could not be written.
bool EspelhaAutoinicio(const std::string& comando);

} // namespace plataforma
