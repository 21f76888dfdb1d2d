#include "platform/arquivos/nome_arquivo.h"

#include <algorithm>
#include <dirent.h>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace plataforma {
namespace {

bool IguaisSemCaixaAscii(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return minuscula(x) == minuscula(y);
    });
}

} // namespace

std::string ResolveNome(const std::string& arquivo) {
    struct stat info {};
    if (::stat(arquivo.c_str(), &info) == 0)
        return arquivo;
    const auto barra = arquivo.rfind('/');
    const std::string pasta =
        barra == std::string::npos ? "." : arquivo.substr(0, std::max<std::size_t>(barra, 1));
    const std::string nome = barra == std::string::npos ? arquivo : arquivo.substr(barra + 1);
    DIR* diretorio = ::opendir(pasta.c_str());
    if (!diretorio)
        return arquivo;
    std::vector<std::string> candidatos;
    while (const dirent* entrada = ::readdir(diretorio))
        if (IguaisSemCaixaAscii(entrada->d_name, nome))
            candidatos.emplace_back(entrada->d_name);
    ::closedir(diretorio);
    if (candidatos.empty())
        return arquivo;
    std::sort(candidatos.begin(), candidatos.end());
    return arquivo.substr(0, barra + 1) + candidatos.front();
}

} // namespace plataforma
