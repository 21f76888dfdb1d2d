// An installed program folder is never written. What the program writes inside it lands in the
// per-user folder under the same relative path, started from the installed file, and reads look
// there first; a program folder the user owns (the build tree) is read and written in place. The
// installed file is the one the system-wide defaults folder (PastaPadroes) holds under the same path,
// when it does: that is how an administrator sets what every user's settings file starts from.
#pragma once

#include <optional>
#include <string>

namespace plataforma {

// The file an installation puts in the program folder to say that it must not be written, even by a
// user (root) whom its permissions would let.
inline constexpr const char* MarcaInstalacao = "instalado";

// The program folder holds the mark, or the user cannot write it.
bool ProgramaInstalado();

// The file to read for `caminho`: for a path inside an installed program folder, the user's copy
// when there is one; otherwise the path itself. Names match without regard to case (nome_arquivo.h).
std::string CaminhoDeLeitura(const std::string& caminho);

// The file to write for `caminho`: for a path inside an installed program folder, the user's copy,
// created with its folders and started from the installed file when missing; nothing when that copy
// could not be started. Otherwise the path itself.
std::optional<std::string> CaminhoDeGravacao(const std::string& caminho);

} // namespace plataforma
