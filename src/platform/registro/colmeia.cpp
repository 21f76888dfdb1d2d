#include "platform/registro/colmeia.h"

#include "platform/arquivos/pastas.h"

namespace plataforma {

std::string ArquivoColmeia() { return PastaUsuario() + "/registro.reg"; }

} // namespace plataforma
