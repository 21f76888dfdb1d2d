#include "platform/colmeia.h"

#include "platform/pastas.h"

namespace plataforma {

std::string ArquivoColmeia() { return PastaUsuario() + "/registro.reg"; }

} // namespace plataforma
