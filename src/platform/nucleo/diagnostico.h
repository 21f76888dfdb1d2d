// Failures the program survives without telling the user (a skipped step, a refused write): one line
// each on standard error, prefixed "e-Telvanor:". No file is written. Tests silence it, or choose a
// backend that keeps the lines when they check them.
#pragma once

#include "platform/nucleo/backend.h"

#include <exception>
#include <string>

namespace plataforma {

class SaidaDiagnostico {
public:
    virtual ~SaidaDiagnostico() = default;
    // One whole line, prefix included, without its line end.
    virtual void Escreve(const std::string& linha) = 0;
};

template <> std::shared_ptr<SaidaDiagnostico> BackendPadrao<SaidaDiagnostico>();

// `texto` is one line's worth; line ends inside it become blanks.
void Diagnostico(const std::string& texto);

// Runs one step of a longer job; a step that throws is reported as "<qual> ignorado" and the job goes
// on with its next step.
template <class Acao> void PassoProtegido(const char* qual, Acao&& acao) {
    try {
        acao();
    } catch (const std::exception& erro) {
        Diagnostico(std::string(qual) + " ignorado: " + erro.what());
    } catch (...) {
        Diagnostico(std::string(qual) + " ignorado");
    }
}

} // namespace plataforma
