// The help viewer: the registered help file (HTML) in a window of its own.
#pragma once

#include <string>

namespace plataforma {

void DefineArquivoAjuda(const std::string& caminho);
const std::string& ArquivoAjuda();

// Opens the registered help file; a missing file is said in the viewer.
void MostraAjuda();

} // namespace plataforma
