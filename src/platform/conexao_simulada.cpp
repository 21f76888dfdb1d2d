#include "platform/conexao_simulada.h"

namespace plataforma {

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
