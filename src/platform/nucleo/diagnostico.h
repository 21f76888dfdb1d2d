// Failures the program survives without telling the user (a skipped step, a refused write): one line
// each on standard error, prefixed "e-Telvanor:". No file is written. Tests silence it, or choose a
// backend that keeps the lines when they check them.
#pragma once

#include "platform/nucleo/backend.h"

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

} // namespace plataforma
