// Asks the system to end the session (the scheduler passes 1, shut down). No privilege is requested
// and the answer is not examined: when the system refuses, the program simply goes on.
#pragma once

#include <cstdint>

namespace quelza {

void DesligaWindows(std::uint8_t opcoes);

} // namespace quelza
