#include "support/shell_registrado.h"

std::intptr_t ShellRegistrado::Abre(std::uint32_t, const std::string& operacao, const std::string& arquivo,
                                    const std::string& parametros, const std::string& pasta, int mostrar) {
    aberturas.push_back({operacao, arquivo, parametros, pasta, mostrar});
    return respostaAbre;
}

std::uint32_t ShellRegistrado::Inicia(const std::string& linhaDeComando, std::uint32_t estilo) {
    inicios.push_back({linhaDeComando, estilo});
    return 33;
}

bool ShellRegistrado::EncerraSessao(std::uint32_t opcoes, std::uint32_t) {
    encerramentos.push_back(opcoes);
    if (aoEncerrar)
        aoEncerrar();
    return true;
}

std::vector<std::string> ShellRegistrado::Abertos() const {
    std::vector<std::string> arquivos;
    for (const Abertura& a : aberturas)
        arquivos.push_back(a.arquivo);
    return arquivos;
}
