#include "settings/diretorio_windows.h"

#include "platform/arquivos/pastas.h"

#include <algorithm>
#include <cctype>

namespace quelza {

std::string DiretórioWindows(std::string& nome) {
    std::transform(nome.begin(), nome.end(), nome.begin(), [](unsigned char c) { return std::toupper(c); });
    char buffer[260] = {};
    std::uint32_t tamanho = 0;
    if (nome == "WIN")
        tamanho = plataforma::GetWindowsDirectoryA(buffer, sizeof buffer);
    else if (nome == "WINSYS")
        tamanho = plataforma::GetSystemDirectoryA(buffer, sizeof buffer);
    else
        return {};
    return std::string(buffer, std::min<std::uint32_t>(tamanho, sizeof buffer - 1));
}

} // namespace quelza
