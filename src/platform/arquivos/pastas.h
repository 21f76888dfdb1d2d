// The folders the program works in: its own, the per-user one and the runtime one, and the stand-ins
// for the Windows and system folder queries.
#pragma once

#include "platform/arquivos/pasta_privada.h"

#include <cstdint>
#include <string>

namespace plataforma {

// The folder of the executable that runs (the working folder if the system cannot tell).
std::string PastaExecutavel();

// The executable's folder, or the folder set with DefinePastaPrograma.
std::string PastaPrograma();
void DefinePastaPrograma(const std::string& pasta);

// The system-wide defaults of an installation, <sysconfdir>/e-telvanor, reached from the program
// folder as the installation lays them out (so a copy installed under another root finds its own), or
// the folder set with DefinePastaPadroes.
std::string PastaPadroes();
void DefinePastaPadroes(const std::string& pasta);

// $XDG_CONFIG_HOME/e-Telvanor (default ~/.config/e-Telvanor), created with mode 0700 when missing.
std::string PastaUsuario();

// $XDG_RUNTIME_DIR/e-Telvanor (default /tmp/e-Telvanor-<uid>), whether it may be used or not.
std::string PastaExecucao();
// Creates the runtime folder with mode 0700 when missing, and tells why it may not be used, if so.
// Nothing may be kept there unless this answers FalhaPasta::Nenhuma.
FalhaPasta PreparaPastaExecucao();

// <program folder>/sistema and the program folder. Both copy at most `tamanho` - 1 characters and
// return the length of the whole path (larger than `tamanho` when the buffer is too small).
std::uint32_t GetSystemDirectoryA(char* buffer, std::uint32_t tamanho);
std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t tamanho);

} // namespace plataforma
