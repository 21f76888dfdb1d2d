// The shell for tests: records every open, program start and end of session, starts nothing, and
// answers as a working shell would; an open answers with the code a test sets.
#pragma once

#include "platform/shell/qt/shell.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class ShellRegistrado : public plataforma::Shell {
public:
    struct Abertura {
        std::string operacao;
        std::string arquivo;
        std::string parametros;
        std::string pasta;
        int mostrar;
    };
    struct Inicio {
        std::string linhaDeComando;
        std::uint32_t estilo;
    };

    std::intptr_t Abre(std::uint32_t dono, const std::string& operacao, const std::string& arquivo,
                       const std::string& parametros, const std::string& pasta, int mostrar) override;
    std::uint32_t Inicia(const std::string& linhaDeComando, std::uint32_t estilo) override;
    bool EncerraSessao(std::uint32_t opcoes, std::uint32_t reservado) override;

    // The files and links opened, in order.
    std::vector<std::string> Abertos() const;

    std::vector<Abertura> aberturas;
    std::vector<Inicio> inicios;
    std::vector<std::uint32_t> encerramentos; // the options of each end-of-session request

    std::intptr_t respostaAbre = 42;
    // Runs inside each end-of-session request, to see what the program had done before asking.
    std::function<void()> aoEncerrar;
};
