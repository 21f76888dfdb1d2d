// A fresh program folder and per-user folders for one test, set as the process's folders
// (XDG_CONFIG_HOME, XDG_RUNTIME_DIR, the program folder and the system-wide defaults folder, so that
// no test reads the machine's own) and removed afterwards; whole-file helpers. No Qt here: the
// stand-ins of the standard-library layer are tested with it too.
#pragma once

#include <string>
#include <vector>

class PastasTemporarias {
public:
    PastasTemporarias();
    ~PastasTemporarias();
    PastasTemporarias(const PastasTemporarias&) = delete;
    PastasTemporarias& operator=(const PastasTemporarias&) = delete;

    std::string Raiz() const { return raiz_; }
    std::string Programa() const;   // the program folder, with its sistema/ subfolder
    std::string Usuario() const;    // $XDG_CONFIG_HOME/e-Telvanor (not created)
    std::string ConfigHome() const; // $XDG_CONFIG_HOME
    std::string Execucao() const;   // $XDG_RUNTIME_DIR
    std::string Padroes() const;    // the system-wide defaults folder (not created)

private:
    std::string raiz_;
};

// Whole content of a file as bytes; empty when it does not exist.
std::string LeArquivo(const std::string& caminho);
void GravaArquivo(const std::string& caminho, const std::string& conteudo);
// The names in a folder, sorted.
std::vector<std::string> EntradasDaPasta(const std::string& pasta);
// The permission bits of a file or folder.
unsigned ModoDoArquivo(const std::string& caminho);
