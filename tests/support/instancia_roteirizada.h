// The single-instance stand-in for tests: says whether another instance runs, records the rest.
#pragma once

#include "platform/instancia/qt/instancia.h"

#include <string>
#include <vector>

class InstanciaRoteirizada : public plataforma::Instancia {
public:
    bool Anterior() override { return outraEmExecucao; }
    void Ativa(const std::string& titulo) override { ativados.push_back(titulo); }
    void Encerra() override { ++encerramentos; }
    bool Encerrado() const override { return encerramentos > 0; }

    bool outraEmExecucao = false;
    std::vector<std::string> ativados;
    int encerramentos = 0;
};
