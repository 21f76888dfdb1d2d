// A main window on the simulated line, with time that passes only when a test says so: each 100 ms
// step runs the status poller, and the redial and blink timers when their periods fall due.
#pragma once

#include "app/frm_telvanor01.h"
#include "platform/discagem/simulada/linha_simulada.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <algorithm>
#include <chrono>
#include <string>

class JanelaEmLinha : public AmbienteTeste {
protected:
    JanelaEmLinha() {
        relogio->Ajusta(10, 0, 0);
        quelza::SomLigado = 1;
        quelza::SomConectado = "conectado.wav";
        quelza::SomDesconectado = "desconectado.wav";
        quelza::AcessoDialUp = "Provedor Simulado";
        DefineCaption(janela.lblAcesso, quelza::AcessoDialUp);
        janela.img[51]->DefinePicture(janela.imgX[51]);
        quelza::DesconexãoAnunciada = 1; // as start-up leaves it
    }

    void Passa(std::chrono::milliseconds tempo) {
        for (; tempo.count() > 0; tempo -= std::chrono::milliseconds(100)) {
            relogio->Avanca(std::chrono::milliseconds(100));
            decorrido_ += 100;
            janela.Timer1_Timer();
            if (decorrido_ % 300 == 0 && janela.Timer3.Enabled())
                janela.Timer3_Timer();
            if (decorrido_ % 500 == 0 && janela.Timer2.Enabled())
                janela.Timer2_Timer();
        }
    }

    // Passes time until the status shows `texto`; false when it has not within ten seconds.
    bool PassaAte(const std::string& texto) {
        for (int i = 0; i < 100; ++i) {
            if (Status() == texto)
                return true;
            Passa(std::chrono::milliseconds(100));
        }
        return Status() == texto;
    }

    bool Conecta() {
        janela.img_Click(7);
        return PassaAte("Conectado.");
    }

    void Derruba() { plataforma::LinhaSimuladaDoUsuario().Derruba(); }

    std::string Status() const { return Caption(janela.lblStatus); }

    long Tocados(const std::string& nome) const {
        const auto tocados = som->Tocados();
        return std::count(tocados.begin(), tocados.end(), nome);
    }

    bool RediscarNaTela() const { return janela.img.at(51)->Picture().Handle == janela.imgX.at(52).Handle; }

    frmTelvanor01 janela;

private:
    long decorrido_ = 0;
};
