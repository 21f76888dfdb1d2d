#include "support/pastas_temporarias.h"

#include "platform/arquivos/pastas.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

PastasTemporarias::PastasTemporarias() {
    std::string modelo = (std::filesystem::temp_directory_path() / "telvanor-teste-XXXXXX").string();
    if (!::mkdtemp(modelo.data()))
        throw std::runtime_error("não foi possível criar a pasta temporária do teste");
    raiz_ = modelo;
    std::filesystem::create_directories(Programa() + "/sistema");
    std::filesystem::create_directories(ConfigHome());
    std::filesystem::create_directories(Execucao());
    ::setenv("XDG_CONFIG_HOME", ConfigHome().c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", Execucao().c_str(), 1);
    plataforma::DefinePastaPrograma(Programa());
    plataforma::DefinePastaPadroes(Padroes());
}

PastasTemporarias::~PastasTemporarias() {
    plataforma::DefinePastaPrograma("");
    plataforma::DefinePastaPadroes("");
    std::error_code erro;
    std::filesystem::remove_all(raiz_, erro);
}

std::string PastasTemporarias::Programa() const { return raiz_ + "/programa"; }
std::string PastasTemporarias::ConfigHome() const { return raiz_ + "/config"; }
std::string PastasTemporarias::Usuario() const { return ConfigHome() + "/e-Telvanor"; }
std::string PastasTemporarias::Execucao() const { return raiz_ + "/run"; }
std::string PastasTemporarias::Padroes() const { return raiz_ + "/padroes"; }

std::string LeArquivo(const std::string& caminho) {
    std::ostringstream conteudo;
    conteudo << std::ifstream(caminho, std::ios::binary).rdbuf();
    return conteudo.str();
}

void GravaArquivo(const std::string& caminho, const std::string& conteudo) {
    std::ofstream(caminho, std::ios::binary | std::ios::trunc) << conteudo;
}

std::vector<std::string> EntradasDaPasta(const std::string& pasta) {
    std::vector<std::string> nomes;
    std::error_code erro;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta, erro))
        nomes.push_back(entrada.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

unsigned ModoDoArquivo(const std::string& caminho) {
    return static_cast<unsigned>(std::filesystem::status(caminho).permissions()) & 07777;
}
