// The desktop's default application for a role (a MIME type such as x-scheme-handler/http), as the
// freedesktop mimeapps.list files and desktop entries name it. It finds the command; it starts nothing.
#pragma once

#include <string>
#include <vector>

namespace plataforma {

// The value of `chave` in section `secao` of a desktop-style key file; empty when absent.
std::string ValorArquivoChaves(const std::string& texto, const std::string& secao, const std::string& chave);

// The Exec line of a desktop entry as program and arguments, its field codes (%u, %F, ...) dropped.
std::vector<std::string> ComandoDaEntrada(const std::string& textoEntrada);

// The command of the default application registered for `tipo`; empty when none is registered or its
// desktop entry cannot be read.
std::vector<std::string> AplicativoPadrao(const std::string& tipo);

} // namespace plataforma
