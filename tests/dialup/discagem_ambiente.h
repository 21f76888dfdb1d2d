// The ground of the dialing engine's tests: the shared test ground, a double of the main window, and a
// scripted dial-up service in place of the simulated line.
#pragma once

#include "support/ambiente.h"
#include "support/servico_discagem_roteirizado.h"

#include "platform/nucleo/escolha_backend.h"
#include "settings/quelza.h"
#include "support/janelas_registradas.h"

#include <memory>

class DiscagemTeste : public AmbienteTeste {
protected:
    DiscagemTeste() {
        plataforma::DefineBackend<plataforma::ServicoDiscagem>(servico);
        plataforma::DefineBackend<plataforma::InterfaceUsuario>(caixa);
        interface = caixa;
    }
    ~DiscagemTeste() override { plataforma::DefineBackend<plataforma::ServicoDiscagem>(nullptr); }

    // Before a refused dial: the window not yet asked to show anything, a schedule pending, and redial
    // on as the redial button leaves it when `rediscar`.
    void PreparaRecusa(bool rediscar) {
        interface->mensagens.clear();
        janela.rediscar.reset();
        janela.abas.clear();
        if (rediscar) {
            quelza::RediscarLigado = true;
            janela.rediscar = true;
        }
        quelza::AgendamentoPendente = true;
        quelza::hConexão = 42;
    }
    // Redial on is switched off everywhere and takes the pending schedule with it; off changes neither.
    void ConfereRediscarDepois(bool rediscar) {
        EXPECT_EQ(!quelza::RediscarLigado && janela.rediscar == false, rediscar);
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
    JanelaDiscagemRegistrada janela;
};
