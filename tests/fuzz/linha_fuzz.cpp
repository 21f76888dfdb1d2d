// The simulated line's state record: any bytes either are refused or make a connection whose state
// can be worked out at any time a clock shows.
#include "platform/discagem/simulada/conexao_simulada.h"

#include <cstdlib>
#include <cstring>

using namespace plataforma;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho < sizeof(ConexaoSimulada) + sizeof(std::int64_t))
        return 0;
    const auto conexao = ConexaoDosBytes(dados);
    if (!conexao)
        return 0;
    std::int64_t agora;
    std::memcpy(&agora, dados + sizeof(ConexaoSimulada), sizeof agora);
    agora &= (std::int64_t{1} << 60) - 1;
    for (const std::int64_t t : {std::int64_t{0}, agora, conexao->inicioMs, conexao->desligadaMs + 1})
        EstadoDaConexao(*conexao, t);
    return 0;
}
