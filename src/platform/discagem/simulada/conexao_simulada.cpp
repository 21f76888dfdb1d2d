#include "platform/discagem/simulada/conexao_simulada.h"

#include <cstddef>
#include <cstring>

namespace plataforma {
namespace {

// Times stay below 2^60 ms (36 million years), far from overflowing with any delay added.
constexpr std::int64_t TempoMaximoMs = std::int64_t{1} << 60;

bool Booleano(const unsigned char* bytes, std::size_t deslocamento) { return bytes[deslocamento] <= 1; }

bool Tempo(const unsigned char* bytes, std::size_t deslocamento) {
    std::int64_t t;
    std::memcpy(&t, bytes + deslocamento, sizeof t);
    return t >= 0 && t <= TempoMaximoMs;
}

} // namespace

std::optional<ConexaoSimulada> ConexaoDosBytes(const void* origem) {
    const auto* bytes = static_cast<const unsigned char*>(origem);
    const auto* entrada = bytes + offsetof(ConexaoSimulada, entrada);
    if (!Booleano(bytes, offsetof(ConexaoSimulada, credenciaisAceitas)) ||
        !Booleano(bytes, offsetof(ConexaoSimulada, derrubada)) ||
        !Booleano(bytes, offsetof(ConexaoSimulada, desligada)) ||
        std::memchr(entrada, '\0', sizeof(ConexaoSimulada::entrada)) == nullptr ||
        !Tempo(bytes, offsetof(ConexaoSimulada, inicioMs)) ||
        !Tempo(bytes, offsetof(ConexaoSimulada, desligadaMs)))
        return std::nullopt;
    ConexaoSimulada c;
    std::memcpy(static_cast<void*>(&c), bytes, sizeof c);
    return c;
}

EstadoLinha EstadoDaConexao(const ConexaoSimulada& c, std::int64_t agoraMs) {
    if (c.conexao == 0)
        return {};
    if (c.desligada) {
        if (agoraMs >= c.desligadaMs + FechamentoPortaMs)
            return {};
        return {true, RASCS_Disconnected, 0};
    }
    if (c.derrubada)
        return {true, RASCS_Disconnected, ERROR_REMOTE_DISCONNECTION};

    // A clock behind the dial's start (another process, a test's clock) reads as the very start.
    const std::int64_t decorrido = agoraMs > c.inicioMs ? agoraMs - c.inicioMs : 0;
    const std::int64_t discando = AberturaPortaMs;
    const std::int64_t autenticando = discando + c.discagemMs;
    const std::int64_t conectado = autenticando + c.autenticacaoMs;
    if (decorrido < discando)
        return {true, RASCS_OpenPort, 0};
    if (decorrido < autenticando)
        return {true, RASCS_ConnectDevice, 0};
    if (decorrido < conectado)
        return {true, RASCS_Authenticate, 0};
    if (!c.credenciaisAceitas)
        return {true, RASCS_Disconnected, ERROR_AUTHENTICATION_FAILURE};
    if (c.quedaS > 0 && decorrido >= conectado + std::int64_t{c.quedaS} * 1000)
        return {true, RASCS_Disconnected, ERROR_REMOTE_DISCONNECTION};
    return {true, RASCS_Connected, 0};
}

} // namespace plataforma
