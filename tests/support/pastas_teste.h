// The ground of the standard-library stand-ins' tests: the test's own temporary folders (as the widget
// tests have them), file helpers under the names these tests use, and registry writers. No Qt here.
#pragma once

#include "platform/registro/registro_api.h"
#include "support/pastas_temporarias.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class PastasTeste : public ::testing::Test {
protected:
    std::string Raiz() const { return pastas_.Raiz(); }
    std::string ConfigHome() const { return pastas_.ConfigHome(); }
    std::string Programa() const { return pastas_.Programa(); } // the process's program folder
    std::string PastaUsuario() const { return pastas_.Usuario(); }

    static std::string Conteudo(const std::string& caminho) { return LeArquivo(caminho); }
    static void Grava(const std::string& caminho, const std::string& conteudo) {
        GravaArquivo(caminho, conteudo);
    }
    static std::vector<std::string> Entradas(const std::string& pasta) { return EntradasDaPasta(pasta); }
    static unsigned Modo(const std::string& caminho) { return ModoDoArquivo(caminho); }

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
    PastasTemporarias pastas_;
};
