#include "dialup/discagem.h"

namespace quelza {

void DiscaConexão(std::string&, std::string&, std::string&) {}
std::string TextoEstadoConexão() {
    return "Sem Conexão.";
}
bool ConexãoAtiva() {
    return false;
}
void DesligaConexão() {}
void ListaEntradasDialUp() {}

} // namespace quelza
