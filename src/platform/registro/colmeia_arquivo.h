// The hive file <per-user folder>/registro.reg. The parsed hive is kept between calls and the file is
// read again only when it changed on disk. A change is made under an advisory lock on the file and
// replaces it atomically with mode 0600; a batch makes several changes one replacement. A damaged
// file is copied aside before it is replaced, and stderr says so.
#pragma once

#include "platform/registro/colmeia_dados.h"

#include <functional>
#include <memory>

namespace plataforma {

// The hive as the file holds it (with the changes of an open batch); a new hive when there is no file
// yet; null when the file exists but cannot be read. Valid until the next change.
std::shared_ptr<const Colmeia> LeColmeia();

enum class ResultadoAlteracao { Inalterada, Gravada, Falhou };

// Reads the hive again under the lock, lets `altera` change it and writes it back when `altera`
// answers that it changed something. Fails, leaving the file alone, when it cannot be read, or a
// damaged file cannot be copied aside, or the new file cannot be written. Within a batch the change
// is only kept in memory, and Gravada means kept.
ResultadoAlteracao AlteraColmeia(const std::function<bool(Colmeia&)>& altera);

// Between the two, the hive file stays locked and every change waits for the end of the batch, when
// the hive is written once if anything changed. Batches nest; the outermost one writes. The end
// answers whether the batch's changes reached the file (true when there were none).
void AbreLoteColmeia();
bool FechaLoteColmeia();

} // namespace plataforma
