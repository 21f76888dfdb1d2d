// Doubles of the main window as the dialing engine and the settings loader see it. Each registers
// itself while it lives and keeps what it was asked to show.
#pragma once

#include "dialup/janela_discagem.h"
#include "settings/janela_configuracoes.h"

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

class JanelaConfiguracoesRegistrada final : public quelza::JanelaConfiguracoes {
public:
    JanelaConfiguracoesRegistrada() {
        plataforma::JanelaRegistrada<quelza::JanelaConfiguracoes>::Registra(this);
    }
    ~JanelaConfiguracoesRegistrada() {
        plataforma::JanelaRegistrada<quelza::JanelaConfiguracoes>::Esquece(this);
    }
    JanelaConfiguracoesRegistrada(const JanelaConfiguracoesRegistrada&) = delete;
    JanelaConfiguracoesRegistrada& operator=(const JanelaConfiguracoesRegistrada&) = delete;

    std::string CaptionAcesso() const override { return acesso; }
    void MostraRediscar(bool ligado) override { rediscar = ligado; }
    void MostraAcesso(const std::string& acessoMostrado, const std::string&, const std::string&) override {
        acesso = acessoMostrado;
    }
    void HabilitaVerificaçãoPeriódica(bool habilitada) override { verificacaoPeriodica = habilitada; }

    std::string acesso;
    std::optional<bool> rediscar; // empty until shown
    bool verificacaoPeriodica = true;
};
