#include "support/interface_roteirizada.h"

int InterfaceRoteirizada::Mensagem(const std::string& texto, int estilo, const std::string& titulo) {
    mensagens.push_back({texto, estilo, titulo});
    if (!respostas.empty()) {
        const int resposta = respostas.front();
        respostas.pop_front();
        return resposta;
    }
    return (estilo & 0x0F) == plataforma::vbOKOnly ? plataforma::vbOK : plataforma::vbCancel;
}

int InterfaceRoteirizada::Modal(QDialog& dialogo) {
    ++modais;
    return aoMostrarModal ? aoMostrarModal(dialogo) : 0;
}
