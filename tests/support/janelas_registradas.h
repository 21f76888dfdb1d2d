// Doubles of the main window as the dialing engine and the settings loader see it. Each registers
// itself while it lives and keeps what it was asked to show.
#pragma once

#include "dialup/janela_discagem.h"
#include "settings/janela_carregamento.h"

#include <optional>
#include <string>
#include <vector>

class JanelaDiscagemRegistrada final : public quelza::JanelaDiscagem {
public:
    JanelaDiscagemRegistrada() { plataforma::JanelaRegistrada<quelza::JanelaDiscagem>::Registra(this); }
    ~JanelaDiscagemRegistrada() { plataforma::JanelaRegistrada<quelza::JanelaDiscagem>::Esquece(this); }
    JanelaDiscagemRegistrada(const JanelaDiscagemRegistrada&) = delete;
    JanelaDiscagemRegistrada& operator=(const JanelaDiscagemRegistrada&) = delete;

    void MostraRediscar(bool ligado) override { rediscar = ligado; }
    void MostraCódigoEstado(const std::string& codigo) override { codigoEstado = codigo; }
    void AbreConfiguração(int aba) override { abas.push_back(aba); }

    std::optional<bool> rediscar; // empty until shown
    std::string codigoEstado;
    std::vector<int> abas;
};

class JanelaCarregamentoRegistrada final : public quelza::JanelaCarregamento {
public:
    JanelaCarregamentoRegistrada() {
        plataforma::JanelaRegistrada<quelza::JanelaCarregamento>::Registra(this);
    }
    ~JanelaCarregamentoRegistrada() {
        plataforma::JanelaRegistrada<quelza::JanelaCarregamento>::Esquece(this);
    }
    JanelaCarregamentoRegistrada(const JanelaCarregamentoRegistrada&) = delete;
    JanelaCarregamentoRegistrada& operator=(const JanelaCarregamentoRegistrada&) = delete;

    std::string CaptionAcesso() const override { return acesso; }
    void MostraRediscar(bool ligado) override { rediscar = ligado; }
    void DesligaVerificaçãoPeriódica() override { verificacaoPeriodica = false; }

    std::string acesso;
    std::optional<bool> rediscar; // empty until shown
    bool verificacaoPeriodica = true;
};
