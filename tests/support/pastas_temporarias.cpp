#include "support/pastas_temporarias.h"

#include "platform/pastas.h"

#include <QDir>

#include <cstdlib>
#include <fstream>
#include <sstream>

PastasTemporarias::PastasTemporarias() {
    QDir(raiz_.path()).mkpath(QStringLiteral("programa/sistema"));
    QDir(raiz_.path()).mkpath(QStringLiteral("config"));
    QDir(raiz_.path()).mkpath(QStringLiteral("run"));
    setenv("XDG_CONFIG_HOME", ConfigHome().c_str(), 1);
    setenv("XDG_RUNTIME_DIR", Execucao().c_str(), 1);
    plataforma::DefinePastaPrograma(Programa());
}

PastasTemporarias::~PastasTemporarias() {
    plataforma::DefinePastaPrograma("");
}

std::string PastasTemporarias::Programa() const {
    return raiz_.path().toStdString() + "/programa";
}
std::string PastasTemporarias::ConfigHome() const {
    return raiz_.path().toStdString() + "/config";
}
std::string PastasTemporarias::Usuario() const {
    return ConfigHome() + "/e-Telvanor";
}
std::string PastasTemporarias::Execucao() const {
    return raiz_.path().toStdString() + "/run";
}

std::string LeArquivo(const std::string& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    std::ostringstream conteudo;
    conteudo << arquivo.rdbuf();
    return conteudo.str();
}

void GravaArquivo(const std::string& caminho, const std::string& conteudo) {
    std::ofstream(caminho, std::ios::binary | std::ios::trunc) << conteudo;
}
