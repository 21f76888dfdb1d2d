// A test's own temporary folder, set as XDG_CONFIG_HOME and XDG_RUNTIME_DIR for the stand-ins of the
// standard-library layer, and removed afterwards. No Qt here.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

class PastasTeste : public ::testing::Test {
protected:
    PastasTeste();
    ~PastasTeste() override;

    std::string Raiz() const { return raiz_; }
    std::string ConfigHome() const { return raiz_ + "/config"; }
    std::string PastaUsuario() const { return ConfigHome() + "/e-Telvanor"; }

    // Whole content of a file as bytes; empty when it does not exist.
    static std::string Conteudo(const std::string& caminho);
    static void Grava(const std::string& caminho, const std::string& conteudo);
    static std::vector<std::string> Entradas(const std::string& pasta); // sorted names
    static unsigned Modo(const std::string& caminho);

private:
    std::string raiz_;
};
