// The main window as the mail check sees it, for tests: records every label text, the tooltip,
// the indicator's picture, the close button's states and the cues asked for.
#pragma once

#include "mail/janela_email.h"

#include <string>
#include <vector>

class JanelaEmailRegistrada : public quelza::JanelaEmail {
public:
    void DefineRótuloEmail(const std::string& texto) override { rotulos.push_back(texto); }
    void DefineDicaEmail(const std::string& texto) override { dica = texto; }
    void DefineFiguraEmail(quelza::FiguraEmail nova) override { figura = nova; }
    void HabilitaFechar(bool habilitado) override { fechar.push_back(habilitado); }
    bool TemDispositivoSom() override { return dispositivoSom; }
    void TocaSom(const std::string& caminho) override { sons.push_back(caminho); }

    std::string Rotulo() const { return rotulos.empty() ? "" : rotulos.back(); }

    std::vector<std::string> rotulos;
    std::string dica;
    quelza::FiguraEmail figura = quelza::FiguraEmail::TemEmail;
    std::vector<bool> fechar;
    std::vector<std::string> sons;
    bool dispositivoSom = true;
};
