#include "pastas_teste.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

PastasTeste::PastasTeste() {
    std::string modelo = (std::filesystem::temp_directory_path() / "telvanor-plataforma-XXXXXX").string();
    raiz_ = ::mkdtemp(modelo.data()) ? modelo : std::string();
    EXPECT_FALSE(raiz_.empty());
    std::filesystem::create_directories(ConfigHome());
    std::filesystem::create_directories(raiz_ + "/run");
    ::setenv("XDG_CONFIG_HOME", ConfigHome().c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (raiz_ + "/run").c_str(), 1);
}

PastasTeste::~PastasTeste() {
    std::error_code erro;
    std::filesystem::remove_all(raiz_, erro);
}

std::string PastasTeste::Conteudo(const std::string& caminho) {
    std::ostringstream conteudo;
    conteudo << std::ifstream(caminho, std::ios::binary).rdbuf();
    return conteudo.str();
}

void PastasTeste::Grava(const std::string& caminho, const std::string& conteudo) {
    std::ofstream(caminho, std::ios::binary | std::ios::trunc) << conteudo;
}

std::vector<std::string> PastasTeste::Entradas(const std::string& pasta) {
    std::vector<std::string> nomes;
    std::error_code erro;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta, erro))
        nomes.push_back(entrada.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

unsigned PastasTeste::Modo(const std::string& caminho) {
    struct stat info {};
    return ::stat(caminho.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}
