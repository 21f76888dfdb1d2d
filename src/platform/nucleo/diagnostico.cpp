#include "platform/nucleo/diagnostico.h"

#include <algorithm>
#include <cstdio>

namespace plataforma {
namespace {

class SaidaPadrao final : public SaidaDiagnostico {
public:
    void Escreve(const std::string& linha) override { std::fprintf(stderr, "%s\n", linha.c_str()); }
};

} // namespace

template <> std::shared_ptr<SaidaDiagnostico> BackendPadrao<SaidaDiagnostico>() {
    return std::make_shared<SaidaPadrao>();
}

void Diagnostico(const std::string& texto) {
    std::string linha = "e-Telvanor: " + texto;
    std::replace_if(
        linha.begin(), linha.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    Backend<SaidaDiagnostico>::Atual().Escreve(linha);
}

} // namespace plataforma
