#include "support/bandeja_registrada.h"

#include <cstring>

bool BandejaRegistrada::Notifica(std::uint32_t mensagem, const plataforma::NOTIFYICONDATAA& dados) {
    using namespace plataforma;
    chamadas.push_back({mensagem, dados});
    const Chave chave{dados.hWnd, dados.uID};
    const auto existente = icones.find(chave);
    if (mensagem == NIM_DELETE) {
        if (existente == icones.end())
            return false;
        icones.erase(existente);
        return true;
    }
    if (mensagem != NIM_ADD && mensagem != NIM_MODIFY)
        return false;
    if ((mensagem == NIM_ADD) == (existente != icones.end()))
        return false;
    Icone& icone = icones[chave];
    if (dados.uFlags & NIF_ICON)
        icone.hIcon = dados.hIcon;
    if (dados.uFlags & NIF_MESSAGE)
        icone.mensagemRetorno = dados.uCallbackMessage;
    if (dados.uFlags & NIF_TIP)
        icone.dica.assign(dados.szTip, strnlen(dados.szTip, sizeof dados.szTip));
    return true;
}

void BandejaRegistrada::Clica(std::uint32_t hWnd, std::uint32_t uID, std::uint32_t mensagemMouse) const {
    const auto icone = icones.find({hWnd, uID});
    if (icone != icones.end() && icone->second.mensagemRetorno != 0)
        plataforma::EntregaMensagemBandeja(hWnd, mensagemMouse);
}
