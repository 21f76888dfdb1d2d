// The hive file <per-user folder>/registro.reg: read whole at each call, changed and replaced
// atomically with mode 0600. A damaged file is copied aside before it is replaced, and stderr says so.
#pragma once

#include "platform/colmeia_dados.h"

#include <functional>
#include <optional>

namespace plataforma {

// The hive as the file holds it; a new hive when there is no file yet; nothing when the file exists
// but cannot be read.
std::optional<Colmeia> LeColmeia();

enum class ResultadoAlteracao { Inalterada, Gravada, Falhou };

// Reads the hive, lets `altera` change it and writes it back when `altera` answers that it changed
// something. Fails, leaving the file alone, when it cannot be read, or a damaged file cannot be copied
// aside, or the new file cannot be written.
ResultadoAlteracao AlteraColmeia(const std::function<bool(Colmeia&)>& altera);

} // namespace plataforma
