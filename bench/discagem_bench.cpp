// The two questions the status poller asks some seventy times a second, on the simulated line while
// the line stays as it is: ConexãoAtiva and TextoEstadoConexão.
#include "support/eventos_contados.h"
#include "support/pastas_temporarias.h"
#include "support/relogio_ajustavel.h"

#include "app/frm_telvanor01.h"
#include "dialup/discagem.h"
#include "platform/discagem/ras.h"
#include "platform/discagem/simulada/linha_simulada.h"
#include "platform/interface/qt/eventos.h"
#include "platform/nucleo/escolha_backend.h"
#include "settings/quelza.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void ConexaoAtiva(benchmark::State& estado) {
    for (auto _ : estado)
        benchmark::DoNotOptimize(quelza::ConexãoAtiva());
}
BENCHMARK(ConexaoAtiva);

// With an event pump that runs nothing, so the figure is the engine's and the line's alone.
void TextoEstadoConexao(benchmark::State& estado) {
    plataforma::DefineBackend<plataforma::Eventos>(std::make_shared<EventosContados>());
    for (auto _ : estado)
        benchmark::DoNotOptimize(quelza::TextoEstadoConexão());
    plataforma::DefineBackend<plataforma::Eventos>(nullptr);
}
BENCHMARK(TextoEstadoConexao);

// The same with Qt's event pump, which the real program runs twice per call; for comparison.
void TextoEstadoConexaoComEventosQt(benchmark::State& estado) {
    for (auto _ : estado)
        benchmark::DoNotOptimize(quelza::TextoEstadoConexão());
}
BENCHMARK(TextoEstadoConexaoComEventosQt);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication aplicacao(argc, argv);
    PastasTemporarias pastas;
    auto relogio = std::make_shared<RelogioAjustavel>();
    plataforma::DefineBackend<plataforma::Relogio>(relogio);
    plataforma::DefineBackend<plataforma::ServicoDiscagem>(plataforma::ServicoLinhaSimulada());

    frmTelvanor01 janela;
    // The poller would otherwise run inside the Qt event pump and ask the same questions.
    janela.Timer1.Enabled(false);
    janela.Timer2.Enabled(false);
    std::string entrada = "Provedor Simulado", usuario = "ana", senha = "senha";
    quelza::DiscaConexão(entrada, usuario, senha);
    relogio->Avanca(std::chrono::hours(1));
    if (!quelza::ConexãoAtiva() || quelza::TextoEstadoConexão() != "Conectado.") {
        std::fputs("the simulated line did not connect\n", stderr);
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
