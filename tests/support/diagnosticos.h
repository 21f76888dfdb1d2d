// The diagnostic lines in tests: silent unless a test keeps them to check them. No Qt here.
#pragma once

#include "platform/nucleo/diagnostico.h"
#include "platform/nucleo/escolha_backend.h"

#include <memory>
#include <string>
#include <utility>

// What every test main installs before the tests run.
class DiagnosticosSilenciados final : public plataforma::SaidaDiagnostico {
public:
    static void Instala() {
        plataforma::DefineBackend<plataforma::SaidaDiagnostico>(std::make_shared<DiagnosticosSilenciados>());
    }
    void Escreve(const std::string&) override {}
};

// Keeps the lines written while it lives; silence comes back after.
class DiagnosticosGuardados {
public:
    DiagnosticosGuardados() { plataforma::DefineBackend<plataforma::SaidaDiagnostico>(saida_); }
    ~DiagnosticosGuardados() { DiagnosticosSilenciados::Instala(); }
    DiagnosticosGuardados(const DiagnosticosGuardados&) = delete;
    DiagnosticosGuardados& operator=(const DiagnosticosGuardados&) = delete;

    // The lines kept since the last call, each ended by a line feed as on standard error; forgets
    // them.
    std::string Retira() { return std::exchange(saida_->texto, {}); }

private:
    struct Saida final : plataforma::SaidaDiagnostico {
        void Escreve(const std::string& linha) override { texto += linha + '\n'; }
        std::string texto;
    };
    std::shared_ptr<Saida> saida_ = std::make_shared<Saida>();
};
