// The settings store: one value of the settings file, the loader of every setting at start, the
// migration of the previous version's settings, and the dial-up access in the per-user store.
#pragma once

#include <string>

namespace quelza {

// Application names of the per-user store: this version's and the previous one's.
inline constexpr const char* AplicacaoConfiguracoes = "e-Telvanor";
inline constexpr const char* AplicacaoAnterior = "eTelvanor";

// Section, key and value are UTF-8; the file holds them in Windows-1252, and a value the code page
// cannot hold in UTF-8 (texto_guardado.h). A value longer than 254 bytes is read cut to 254 (a UTF-8
// character cut there is dropped); an absent key or file reads as the empty string.
std::string LeIni(const std::string& arquivo, const std::string& secao, const std::string& chave);
void GravaIni(const std::string& arquivo, const std::string& secao, const std::string& chave,
              const std::string& valor);

// The program folder + "/Config.ini".
std::string ArquivoConfig();

// Every setting into the module variables; a step that fails is skipped alone and nothing is
// reported. Touches the main window's redial controls and mail timer.
void CarregaConfiguração();
void MigraVersãoAnterior();
void SalvaAcesso(const std::string& acesso, const std::string& usuario, const std::string& senha);
void CarregaAcesso();

} // namespace quelza
