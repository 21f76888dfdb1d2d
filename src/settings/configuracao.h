// The settings store: one value of the settings file, the loader of every setting at start, the
// migration of the previous version's settings, and the dial-up access in the per-user store.
#pragma once

#include <string>

namespace quelza {

std::string LeIni(const std::string& arquivo, const std::string& secao, const std::string& chave);
void GravaIni(const std::string& arquivo, const std::string& secao, const std::string& chave,
              const std::string& valor);

// The program folder + "/Config.ini".
std::string ArquivoConfig();

void CarregaConfiguração();
void MigraVersãoAnterior();
void SalvaAcesso(const std::string& acesso, const std::string& usuario, const std::string& senha);
void CarregaAcesso();

} // namespace quelza
