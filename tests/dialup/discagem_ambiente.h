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
    DiscagemTeste() {
        plataforma::DefineServicoDiscagem(servico);
        plataforma::DefineInterfaceUsuario(caixa);
        interface = caixa;
    }
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
    // Before a refused dial: tray item checked and timer running either way, a schedule pending.
    void PreparaRecusa(bool rediscar) {
        interface->mensagens.clear();
        janela.itmRediscar->setChecked(true);
        janela.Timer3.Enabled(true);
        if (rediscar)
            LigaRediscar();
        quelza::AgendamentoPendente = true;
        quelza::hConexão = 42;
    }
    // Redial on is switched off everywhere and takes the pending schedule with it; off changes neither.
    void ConfereRediscarDepois(bool rediscar) {
        EXPECT_EQ(RediscarApagado(), rediscar);
        EXPECT_EQ(quelza::AgendamentoPendente, !rediscar);
        EXPECT_FALSE(caixa->rediscarNaCaixa) << "redial must be off before the box shows";
    }

    // A box runs the event loop, where the redial timer would dial again were redial still on.
    struct CaixaQueVeORediscar : InterfaceRoteirizada {
        int Mensagem(const std::string& texto, int estilo, const std::string& titulo) override {
            rediscarNaCaixa = rediscarNaCaixa || quelza::RediscarLigado;
            return InterfaceRoteirizada::Mensagem(texto, estilo, titulo);
        }
        bool rediscarNaCaixa = false;
    };
    std::shared_ptr<CaixaQueVeORediscar> caixa = std::make_shared<CaixaQueVeORediscar>();
    std::shared_ptr<ServicoDiscagemRoteirizado> servico = std::make_shared<ServicoDiscagemRoteirizado>();
    frmTelvanor01 janela;
};
