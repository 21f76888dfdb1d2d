// The two questions the status poller asks many times a second, on the NetworkManager backend with
// a line up: both answer from the backend's memory, with no D-Bus call. NetworkManager is
// python-dbusmock's on a private bus.
#include "support/networkmanager_simulado.h"

#include "platform/discagem/networkmanager/discagem_networkmanager.h"
#include "platform/discagem/networkmanager/estado_nm.h"
#include "platform/discagem/ras.h"
#include "platform/nucleo/escolha_backend.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace plataforma;

HRASCONN linha = 0;

void RasGetConnectStatusA_NetworkManager(benchmark::State& estado) {
    for (auto _ : estado) {
        RASCONNSTATUSA lido{};
        lido.dwSize = sizeof lido;
        benchmark::DoNotOptimize(RasGetConnectStatusA(linha, &lido));
        benchmark::DoNotOptimize(lido.rasconnstate);
    }
}
BENCHMARK(RasGetConnectStatusA_NetworkManager);

// With the 256-record buffer the dialing engine passes.
void RasEnumConnectionsA_NetworkManager(benchmark::State& estado) {
    static RASCONNA conexoes[256];
    for (auto _ : estado) {
        conexoes[0].dwSize = sizeof(RASCONNA);
        std::uint32_t bytes = sizeof conexoes, quantas = 0;
        benchmark::DoNotOptimize(RasEnumConnectionsA(conexoes, &bytes, &quantas));
        benchmark::DoNotOptimize(conexoes[0].hrasconn);
    }
}
BENCHMARK(RasEnumConnectionsA_NetworkManager);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicacao(argc, argv);
    NetworkManagerSimulado nm;
    if (!nm.Iniciado()) {
        std::fputs("dbus-daemon or python3-dbusmock did not start\n", stderr);
        return 1;
    }
    const QString perfil = nm.AdicionaPerfil(QStringLiteral("Provedor"), QStringLiteral("pppoe"));
    auto servico = std::make_shared<nm::DiscagemNetworkManager>(nm.NovaConexao());
    DefineBackend<ServicoDiscagem>(servico);
    nm.AtivaPorFora(perfil, QStringLiteral("applet"), nm::AtivaAtivada);
    const bool conectada = NetworkManagerSimulado::Ate([&] {
        RASCONNA conexao{};
        conexao.dwSize = sizeof conexao;
        std::uint32_t bytes = sizeof conexao, quantas = 0;
        if (RasEnumConnectionsA(&conexao, &bytes, &quantas) != 0 || quantas != 1)
            return false;
        linha = conexao.hrasconn;
        RASCONNSTATUSA lido{};
        lido.dwSize = sizeof lido;
        return RasGetConnectStatusA(linha, &lido) == 0 && lido.rasconnstate == RASCS_Connected;
    });
    if (!conectada) {
        std::fputs("the line started elsewhere never showed up\n", stderr);
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DefineBackend<ServicoDiscagem>(nullptr);
    servico.reset();
    return 0;
}
