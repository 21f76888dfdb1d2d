#include "platform/colmeia.h"

#include "platform/pastas.h"

namespace plataforma {

std::string ArquivoColmeia() { return PastaUsuario() + "/registro.reg"; }
std::optional<ValorRegistro> LeValorRegistro(const std::string&, const std::string&) { return std::nullopt; }
bool ExisteChaveRegistro(const std::string&) { return false; }

} // namespace plataforma
