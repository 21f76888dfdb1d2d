// Message boxes and modal forms. The Qt backend shows real ones; tests install a scripted backend
// that records what was asked and answers from a script, so no test ever blocks.
#pragma once

#include "platform/nucleo/backend.h"

#include <memory>
#include <string>

class QDialog;

namespace plataforma {

// Buttons and icons of a message box, and its answers.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;

inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

class InterfaceUsuario {
public:
    virtual ~InterfaceUsuario() = default;
    virtual int Mensagem(const std::string& texto, int estilo, const std::string& titulo) = 0;
    virtual int Modal(QDialog& dialogo) = 0;
};

// An empty title stands for the application title.
int MsgBox(const std::string& texto, int estilo = vbOKOnly, const std::string& titulo = "");

// Shows the dialog modally and returns its result.
int MostraModal(QDialog& dialogo);

template <> std::shared_ptr<InterfaceUsuario> BackendPadrao<InterfaceUsuario>();

} // namespace plataforma
