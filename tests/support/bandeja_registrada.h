// A notification area for tests: records every icon call and keeps the icons present as the
// platform would (an add of a present icon, or a change or removal of an absent one, fails).
#pragma once

#include "platform/bandeja/qt/bandeja.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

class BandejaRegistrada : public plataforma::Bandeja {
public:
    struct Chamada {
        std::uint32_t mensagem;
        plataforma::NOTIFYICONDATAA dados;
    };
    struct Icone {
        std::uint32_t hIcon = 0;
        std::uint32_t mensagemRetorno = 0;
        std::string dica; // szTip up to its NUL, as stored bytes
    };
    using Chave = std::pair<std::uint32_t, std::uint32_t>; // hWnd, uID

    bool Notifica(std::uint32_t mensagem, const plataforma::NOTIFYICONDATAA& dados) override;
    bool Disponivel() override { return disponivel; }

    // The user acts on the icon (hWnd, uID): its window receives `mensagemMouse` when the icon is
    // present and was added with a callback message.
    void Clica(std::uint32_t hWnd, std::uint32_t uID, std::uint32_t mensagemMouse) const;

    bool Presente(std::uint32_t hWnd, std::uint32_t uID) const { return icones.count({hWnd, uID}) > 0; }

    bool disponivel = true; // a tray host on the desktop
    std::vector<Chamada> chamadas;
    std::map<Chave, Icone> icones;
};
