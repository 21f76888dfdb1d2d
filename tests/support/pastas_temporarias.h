// A fresh program folder and per-user folders for one test, set as the process's folders.
#pragma once

#include <QTemporaryDir>

#include <string>

class PastasTemporarias {
public:
    PastasTemporarias();
    ~PastasTemporarias();

    std::string Programa() const;   // the program folder, with its sistema/ subfolder
    std::string Usuario() const;    // $XDG_CONFIG_HOME/e-Telvanor
    std::string ConfigHome() const; // $XDG_CONFIG_HOME
    std::string Execucao() const;   // $XDG_RUNTIME_DIR

private:
    QTemporaryDir raiz_;
};

// Whole content of a file as bytes; empty when it does not exist.
std::string LeArquivo(const std::string& caminho);
void GravaArquivo(const std::string& caminho, const std::string& conteudo);
