// The hive at the sizes years of settings can reach, and the first start's per-user writes: the text of
// n small keys parsed alone, the first settings call on it, a call on it unchanged, one value saved
// into it, and the fourteen first-start values saved into a fresh store.
#include "platform/registro/colmeia_texto.h"
#include "platform/registro/configuracoes_usuario.h"
#include "settings/padroes_iniciais.h"
#include "support/pastas_temporarias.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace {

// One key per setting of some other program, each with two short values: about 100 bytes a key.
std::string TextoColmeia(std::int64_t chaves) {
    std::string texto = "REGEDIT4\n";
    for (std::int64_t i = 0; i < chaves; ++i) {
        const std::string n = std::to_string(i);
        texto += "\n[HKEY_CURRENT_USER\\Software\\Outro\\Chave " + n + "]\n\"Nome\"=\"valor " + n +
                 "\"\n\"Outro\"=\"1\"\n";
    }
    return texto;
}

// Keys in 10 MB of that text (about 80 bytes a key).
constexpr std::int64_t kChaves10MB = 10 * 1024 * 1024 / 80;

void TamanhosDeColmeia(benchmark::internal::Benchmark* b) {
    b->Arg(4000)->Arg(16000)->Arg(kChaves10MB)->Unit(benchmark::kMillisecond);
}

// A hive of n keys written an hour ago, as a store at rest is; answers its path.
std::string ColmeiaEmRepouso(const PastasTemporarias& pastas, std::int64_t chaves) {
    std::filesystem::create_directories(pastas.Usuario());
    const std::string arquivo = pastas.Usuario() + "/registro.reg";
    GravaArquivo(arquivo, TextoColmeia(chaves));
    std::filesystem::last_write_time(arquivo,
                                     std::filesystem::last_write_time(arquivo) - std::chrono::hours(1));
    return arquivo;
}

void InterpretaTexto(benchmark::State& estado) {
    const std::string texto = TextoColmeia(estado.range(0));
    for (auto _ : estado)
        benchmark::DoNotOptimize(plataforma::InterpretaColmeia(texto));
    estado.counters["bytes"] = static_cast<double>(texto.size());
}
BENCHMARK(InterpretaTexto)->Apply(TamanhosDeColmeia)->Iterations(1);

// The first settings call on a file just written by someone else.
void PrimeiraLeitura(benchmark::State& estado) {
    PastasTemporarias pastas;
    std::filesystem::create_directories(pastas.Usuario());
    const std::string texto = TextoColmeia(estado.range(0));
    for (auto _ : estado) {
        estado.PauseTiming();
        GravaArquivo(pastas.Usuario() + "/registro.reg", texto);
        estado.ResumeTiming();
        benchmark::DoNotOptimize(plataforma::GetSetting("Outro", "Chave 1", "Nome"));
    }
}
BENCHMARK(PrimeiraLeitura)->Apply(TamanhosDeColmeia)->Iterations(1);

void LeituraRepetida(benchmark::State& estado) {
    PastasTemporarias pastas;
    ColmeiaEmRepouso(pastas, estado.range(0));
    benchmark::DoNotOptimize(plataforma::GetSetting("Outro", "Chave 1", "Nome"));
    for (auto _ : estado)
        benchmark::DoNotOptimize(plataforma::GetSetting("Outro", "Chave 1", "Nome"));
}
BENCHMARK(LeituraRepetida)->Apply(TamanhosDeColmeia)->Iterations(1);

// One value saved into a large hive that is at rest on disk.
void GravacaoNaColmeia(benchmark::State& estado) {
    PastasTemporarias pastas;
    ColmeiaEmRepouso(pastas, estado.range(0));
    int n = 0;
    for (auto _ : estado)
        plataforma::SaveSetting("Outro", "Chave 1", "Nome", std::to_string(++n));
}
BENCHMARK(GravacaoNaColmeia)->Apply(TamanhosDeColmeia)->Iterations(3);

// The fourteen values of a first start into a store that holds nothing yet.
void GravacaoPrimeiraPartida(benchmark::State& estado) {
    PastasTemporarias pastas;
    quelza::DefinePadroesIniciais();
    for (auto _ : estado) {
        estado.PauseTiming();
        std::filesystem::remove(pastas.Usuario() + "/registro.reg");
        estado.ResumeTiming();
        quelza::SalvaPadroesIniciais();
    }
}
BENCHMARK(GravacaoPrimeiraPartida)->Unit(benchmark::kMillisecond);

} // namespace
