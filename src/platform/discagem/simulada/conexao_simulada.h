// The simulated line's one connection as plain data, and the pure rule that turns it and the time
// into a dial-up state. Keeping it, sharing it between processes and dialling live elsewhere.
#pragma once

#include "platform/discagem/ras.h"

#include <cstdint>
#include <optional>

namespace plataforma {

// How long the modem takes to open its port before dialling, and to close it after a hang-up.
inline constexpr std::int64_t AberturaPortaMs = 200;
inline constexpr std::int64_t FechamentoPortaMs = 500;

struct ConexaoSimulada {
    HRASCONN conexao = 0; // 0: never dialled
    char entrada[RAS_MaxEntryName + 1] = {};
    std::int64_t inicioMs = 0; // when the dial started, milliseconds since the epoch
    std::uint32_t discagemMs = 0;
    std::uint32_t autenticacaoMs = 0;
    std::uint32_t quedaS = 0; // seconds after connecting when the line drops by itself; 0 = never
    bool credenciaisAceitas = false;
    bool derrubada = false; // the carrier was lost (line tool); no time kept, clocks may differ
    bool desligada = false;
    std::int64_t desligadaMs = 0;
};

struct EstadoLinha {
    bool existe = false; // false once the port has closed, or before the first dial
    RASCONNSTATE estado = RASCS_OpenPort;
    std::uint32_t erro = 0;
};

EstadoLinha EstadoDaConexao(const ConexaoSimulada& conexao, std::int64_t agoraMs);

// The connection held by `sizeof(ConexaoSimulada)` bytes in the record's own layout, as a file shared
// with other processes holds it; nothing when they cannot be one: a Boolean other than 0 or 1, an
// entry name without its end, or a time no clock shows, whose sums with the delays would overflow.
std::optional<ConexaoSimulada> ConexaoDosBytes(const void* bytes);

} // namespace plataforma
