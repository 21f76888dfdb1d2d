// The Windows and system folders by name ("WIN", "WINSYS").
#pragma once

#include <string>

namespace quelza {

// The name is upper-cased in place; an unknown name gives the empty string.
std::string DiretórioWindows(std::string& nome);

} // namespace quelza
