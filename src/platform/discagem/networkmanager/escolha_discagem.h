// Which service answers the dial-up calls: the simulated line, or NetworkManager when the stored
// choice ("Linux" / "Discagem" in Config.ini) is "networkmanager".
#pragma once

#include <string_view>

namespace plataforma::nm {

inline constexpr std::string_view ValorNetworkManager = "networkmanager";

// True when the stored value names NetworkManager (without regard to case or blanks).
bool EscolheNetworkManager(std::string_view valor);

// True when NetworkManager holds its name on the system bus. Asks the bus, waiting at most 2 s: a
// dialog may offer NetworkManager only when this answers True.
bool NetworkManagerResponde();

// Puts the service the value names behind the dial-up calls, at once. Unless `mesmoComConexao`, it
// changes nothing and answers False while the current service lists a connection, so a line that is
// up is never left without its service; the stored choice then takes effect at the next start.
bool AplicaEscolhaDiscagem(std::string_view valor, bool mesmoComConexao = false);

} // namespace plataforma::nm
