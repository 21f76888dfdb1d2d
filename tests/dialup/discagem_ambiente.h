// The ground of the dialing engine's tests: the shared test ground, the main window, and a scripted
// dial-up service in place of the simulated line.
#pragma once

#include "support/ambiente.h"
#include "support/servico_discagem_roteirizado.h"

#include "app/frm_telvanor01.h"
#include "settings/quelza.h"

#include <memory>

class DiscagemTeste : public AmbienteTeste {
protected:
    DiscagemTeste() { plataforma::DefineServicoDiscagem(servico); }
    ~DiscagemTeste() override { plataforma::DefineServicoDiscagem(nullptr); }

    // Redial on as the redial button leaves it: picture "on", tray item checked, timer running.
    void LigaRediscar() {
        quelza::RediscarLigado = true;
        janela.img[51]->DefinePicture(janela.imgX[52]);
        janela.itmRediscar->setChecked(true);
        janela.Timer3.Enabled(true);
    }
    bool RediscarApagado() {
        return !quelza::RediscarLigado && janela.img[51]->Picture().Handle == janela.imgX[51].Handle &&
               !janela.Timer3.Enabled();
    }

    std::shared_ptr<ServicoDiscagemRoteirizado> servico = std::make_shared<ServicoDiscagemRoteirizado>();
    frmTelvanor01 janela;
};
