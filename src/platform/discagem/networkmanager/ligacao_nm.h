// One connection as the dial-up calls list it: an active connection of NetworkManager, or this
// program's dial before NetworkManager has one for it.
#pragma once

#include "platform/discagem/ras.h"
#include "platform/nucleo/relogio.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace plataforma::nm {

struct LigacaoNm {
    HRASCONN conexao = 0;
    QString ativa;
    QString perfil;
    std::string nome;
    std::string tipo;
    QString dispositivo;
    std::uint32_t estadoAtiva = 0;
    std::uint32_t estadoDispositivo = 0;
    std::uint32_t razaoAtiva = 0;
    std::uint32_t razaoDispositivo = 0;
    bool nossa = false;
    bool desligando = false;
    bool encerrada = false; // reads disconnected, with `erro`, until hung up
    std::uint32_t erro = 0;
    std::optional<InstanteMonotono> conectouEm;
    RASCONNSTATE estado = RASCS_ConnectDevice;
};

} // namespace plataforma::nm
