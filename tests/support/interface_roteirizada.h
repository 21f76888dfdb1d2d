// Message boxes and modal forms for tests: records every box and dialog, answers from a script.
#pragma once

#include "platform/interface/qt/mensagens.h"

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

class InterfaceRoteirizada : public plataforma::InterfaceUsuario {
public:
    struct Caixa {
        std::string texto;
        int estilo;
        std::string titulo;
        bool operator==(const Caixa&) const = default;
        friend void PrintTo(const Caixa& c, std::ostream* os) {
            *os << '"' << c.texto << "\" " << c.estilo << " \"" << c.titulo << '"';
        }
    };

    int Mensagem(const std::string& texto, int estilo, const std::string& titulo) override;
    int Modal(QDialog& dialogo) override;

    std::vector<Caixa> mensagens;
    // Answers in order; when empty, OK for an OK box and Cancel for a question.
    std::deque<int> respostas;

    // Called with each modal dialog instead of showing it; its result is the dialog's result.
    std::function<int(QDialog&)> aoMostrarModal;
    int modais = 0;
};

using Caixas = std::vector<InterfaceRoteirizada::Caixa>;
