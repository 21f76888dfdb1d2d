// A test's own temporary folder, set as XDG_CONFIG_HOME and XDG_RUNTIME_DIR for the stand-ins of the
// standard-library layer, and removed afterwards; file and registry helpers. No Qt here.
#pragma once

#include "platform/registro_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class PastasTeste : public ::testing::Test {
protected:
    PastasTeste() {
        std::string modelo = (std::filesystem::temp_directory_path() / "telvanor-plataforma-XXXXXX").string();
        raiz_ = ::mkdtemp(modelo.data()) ? modelo : std::string();
        EXPECT_FALSE(raiz_.empty());
        std::filesystem::create_directories(ConfigHome());
        std::filesystem::create_directories(raiz_ + "/run");
        ::setenv("XDG_CONFIG_HOME", ConfigHome().c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (raiz_ + "/run").c_str(), 1);
    }
    ~PastasTeste() override {
        std::error_code erro;
        std::filesystem::remove_all(raiz_, erro);
    }

    std::string Raiz() const { return raiz_; }
    std::string ConfigHome() const { return raiz_ + "/config"; }
    std::string PastaUsuario() const { return ConfigHome() + "/e-Telvanor"; }

    // Whole content of a file as bytes; empty when it does not exist.
    static std::string Conteudo(const std::string& caminho) {
        std::ostringstream conteudo;
        conteudo << std::ifstream(caminho, std::ios::binary).rdbuf();
        return conteudo.str();
    }
    static void Grava(const std::string& caminho, const std::string& conteudo) {
        std::ofstream(caminho, std::ios::binary | std::ios::trunc) << conteudo;
    }
    static std::vector<std::string> Entradas(const std::string& pasta) { // sorted names
        std::vector<std::string> nomes;
        std::error_code erro;
        for (const auto& entrada : std::filesystem::directory_iterator(pasta, erro))
            nomes.push_back(entrada.path().filename().string());
        std::sort(nomes.begin(), nomes.end());
        return nomes;
    }
    static unsigned Modo(const std::string& caminho) {
        return static_cast<unsigned>(std::filesystem::status(caminho).permissions()) & 07777;
    }

    // Writes a value through an open key, or through raiz\subchave created for it and closed again.
    static std::int32_t GravaValor(plataforma::HKEY chave, const std::string& nome, std::uint32_t tipo,
                                   const std::string& dados) {
        return plataforma::RegSetValueExA(chave, nome.c_str(), 0, tipo,
                                          reinterpret_cast<const std::uint8_t*>(dados.data()),
                                          static_cast<std::uint32_t>(dados.size()));
    }
    static std::int32_t GravaValor(plataforma::HKEY raiz, const char* subchave, const std::string& nome,
                                   std::uint32_t tipo, const std::string& dados) {
        plataforma::HKEY chave = 0;
        std::int32_t r = plataforma::RegCreateKeyA(raiz, subchave, &chave);
        if (r == plataforma::ERROR_SUCCESS)
            r = GravaValor(chave, nome, tipo, dados);
        plataforma::RegCloseKey(chave);
        return r;
    }

private:
    std::string raiz_;
};
