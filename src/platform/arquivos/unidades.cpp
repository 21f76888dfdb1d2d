#include "platform/arquivos/unidades.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace plataforma {
namespace {

// The mount table writes blanks, tabs, newlines and backslashes in paths as three octal digits.
std::string SemEscapes(std::string_view campo) {
    std::string texto;
    for (std::size_t i = 0; i < campo.size(); ++i) {
        if (campo[i] == '\\' && i + 3 < campo.size()) {
            const std::string_view octal = campo.substr(i + 1, 3);
            if (octal.find_first_not_of("01234567") == std::string_view::npos) {
                texto += static_cast<char>(std::stoi(std::string(octal), nullptr, 8));
                i += 3;
                continue;
            }
        }
        texto += campo[i];
    }
    return texto;
}

bool Dentro(const std::string& caminho, const std::string& pasta) {
    if (pasta == "/")
        return caminho.starts_with('/');
    return caminho == pasta || (caminho.starts_with(pasta) && caminho[pasta.size()] == '/');
}

bool DeVolume(const std::string& ponto) {
    for (const char* raiz : {"/media", "/run/media", "/mnt"})
        if (Dentro(ponto, raiz) && ponto != raiz)
            return true;
    return false;
}

std::string UltimaParte(const std::string& caminho) {
    const std::size_t barra = caminho.find_last_of('/');
    return barra == std::string::npos ? caminho : caminho.substr(barra + 1);
}

} // namespace

std::vector<Unidade> UnidadesDe(std::string_view tabelaMontagens, const std::string& pastaPessoal) {
    std::vector<Unidade> unidades{{"/", "/"}};
    if (!pastaPessoal.empty() && pastaPessoal != "/")
        unidades.push_back({UltimaParte(pastaPessoal), pastaPessoal});
    std::istringstream linhas{std::string(tabelaMontagens)};
    std::string linha;
    while (std::getline(linhas, linha)) {
        std::istringstream campos(linha);
        std::string dispositivo, ponto;
        if (!(campos >> dispositivo >> ponto))
            continue;
        ponto = SemEscapes(ponto);
        if (!DeVolume(ponto))
            continue;
        bool repetido = false;
        for (const Unidade& u : unidades)
            repetido = repetido || u.caminho == ponto;
        if (!repetido)
            unidades.push_back({UltimaParte(ponto), ponto});
    }
    return unidades;
}

std::vector<Unidade> Unidades() {
    std::ifstream arquivo("/proc/self/mounts");
    std::ostringstream tabela;
    tabela << arquivo.rdbuf();
    const char* pessoal = std::getenv("HOME");
    return UnidadesDe(tabela.str(), pessoal ? pessoal : "");
}

std::size_t UnidadeDe(const std::vector<Unidade>& unidades, const std::string& caminho) {
    std::size_t melhor = 0;
    for (std::size_t i = 0; i < unidades.size(); ++i)
        if (Dentro(caminho, unidades[i].caminho) &&
            unidades[i].caminho.size() > unidades[melhor].caminho.size())
            melhor = i;
    return melhor;
}

} // namespace plataforma
