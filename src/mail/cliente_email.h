// The user's mail program, as the mail indicator opens it.
#pragma once

#include <cstdint>

namespace quelza {

// Opens it through the shell; `dono` is the window that asks, or 0.
void AbreClienteDeEmail(std::uint32_t dono);

} // namespace quelza
