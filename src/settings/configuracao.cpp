#include "settings/configuracao.h"

#include "platform/pastas.h"

namespace quelza {

std::string LeIni(const std::string&, const std::string&, const std::string&) {
    return {};
}
void GravaIni(const std::string&, const std::string&, const std::string&, const std::string&) {}
std::string ArquivoConfig() {
    return plataforma::PastaPrograma() + "/Config.ini";
}
void CarregaConfiguração() {}
void MigraVersãoAnterior() {}
void SalvaAcesso(const std::string&, const std::string&, const std::string&) {}
void CarregaAcesso() {}

} // namespace quelza
