// One status-poller tick of the main window on the simulated line, with no connection and connected.
#include "app/frm_telvanor01.h"
#include "dialup/discagem.h"
#include "platform/discagem/simulada/linha_simulada.h"
#include "platform/interface/qt/mensagens.h"
#include "platform/nucleo/escolha_backend.h"
#include "settings/quelza.h"
#include "support/interface_roteirizada.h"
#include "support/pastas_temporarias.h"
#include "support/relogio_ajustavel.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

struct Cenario {
    Cenario() {
        quelza::ReiniciaQuelza();
        plataforma::DefineBackend<plataforma::InterfaceUsuario>(interface);
        plataforma::DefineBackend<plataforma::Relogio>(relogio);
        plataforma::DefineBackend<plataforma::ServicoDiscagem>(plataforma::ServicoLinhaSimulada());
        quelza::AcessoDialUp = "Provedor Simulado";
        quelza::DesconexãoAnunciada = 1;
        janela = std::make_unique<frmTelvanor01>();
    }
    ~Cenario() {
        janela.reset();
        plataforma::DefineBackend<plataforma::InterfaceUsuario>(nullptr);
        plataforma::DefineBackend<plataforma::Relogio>(nullptr);
        plataforma::DefineBackend<plataforma::ServicoDiscagem>(nullptr);
    }

    PastasTemporarias pastas;
    std::shared_ptr<InterfaceRoteirizada> interface = std::make_shared<InterfaceRoteirizada>();
    std::shared_ptr<RelogioAjustavel> relogio = std::make_shared<RelogioAjustavel>();
    std::unique_ptr<frmTelvanor01> janela;
};

void TiqueSemConexao(benchmark::State& estado) {
    Cenario c;
    c.janela->Timer1_Timer();
    for (auto _ : estado)
        c.janela->Timer1_Timer();
    if (Caption(c.janela->lblStatus) != "Sem Conexão.")
        estado.SkipWithError("the line was not idle");
}
BENCHMARK(TiqueSemConexao);

void TiqueConectado(benchmark::State& estado) {
    Cenario c;
    quelza::DiscaConexão(quelza::AcessoDialUp, quelza::UsuárioAcesso, quelza::SenhaAcesso);
    c.relogio->Avanca(std::chrono::seconds(10));
    c.janela->Timer1_Timer();
    for (auto _ : estado)
        c.janela->Timer1_Timer();
    if (Caption(c.janela->lblStatus) != "Conectado.")
        estado.SkipWithError("the line did not connect");
}
BENCHMARK(TiqueConectado);

} // namespace
