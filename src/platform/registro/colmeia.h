// Where the registry hive file of the per-user folder lives.
#pragma once

#include <string>

namespace plataforma {

// <per-user folder>/registro.reg
std::string ArquivoColmeia();

} // namespace plataforma
