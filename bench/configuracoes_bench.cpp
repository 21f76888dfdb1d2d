// The settings stores at the program's own scale: about thirty reads at start and a few writes at
// exit, each call reading the whole file again.
#include "platform/perfil/perfil.h"
#include "platform/registro/configuracoes_usuario.h"
#include "platform/texto/cp1252.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A temporary per-user folder and settings file filled as after a first start.
class Lugar {
public:
    Lugar() {
        std::string modelo = (std::filesystem::temp_directory_path() / "telvanor-bench-XXXXXX").string();
        raiz_ = ::mkdtemp(modelo.data()) ? modelo : "/tmp";
        ::setenv("XDG_CONFIG_HOME", raiz_.c_str(), 1);
        for (const char* som : {"Bom Dia", "Boa Tarde", "Boa Noite", "Finalizando", "Tem Email", "Conectado",
                                "Desconectado", "Ligado", "Iniciando"})
            plataforma::SaveSetting("e-Telvanor", "Som", som, raiz_ + "/programa/e-som.wav");
        for (const char* chave : {"X", "Y", "IE", "Iniciar Com Windows", "Versão"})
            plataforma::SaveSetting("e-Telvanor", "ini", chave, "1130");
        for (int i = 0; i < 3; ++i)
            plataforma::SaveSetting("e-Telvanor", "Email", "Conta " + std::to_string(i),
                                    std::string(60, '\x01'));
        for (const char* chave :
             {"Agendar Conexão", "Hora da Conexão", "Executar", "Agendar Desconexão", "Hora da Desconexão",
              "Não Deixar Agendado", "Desligar Computador", "Primeira Vez"})
            plataforma::WritePrivateProfileStringA("Config", plataforma::ParaCp1252(chave).c_str(), " 0",
                                                   Ini().c_str());
    }
    ~Lugar() {
        std::error_code erro;
        std::filesystem::remove_all(raiz_, erro);
    }
    std::string Ini() const { return raiz_ + "/Config.ini"; }

private:
    std::string raiz_;
};

void LeituraDoInicio(benchmark::State& estado) {
    Lugar lugar;
    char buffer[255];
    for (auto _ : estado) {
        for (int i = 0; i < 15; ++i)
            benchmark::DoNotOptimize(plataforma::GetSetting("e-Telvanor", "Som", "Desconectado"));
        for (int i = 0; i < 15; ++i)
            benchmark::DoNotOptimize(plataforma::GetPrivateProfileStringA(
                "Config", "Primeira Vez", "", buffer, sizeof buffer, lugar.Ini().c_str()));
    }
}
BENCHMARK(LeituraDoInicio)->Unit(benchmark::kMillisecond);

void GravacaoDaSaida(benchmark::State& estado) {
    Lugar lugar;
    int x = 0;
    for (auto _ : estado) {
        plataforma::SaveSetting("e-Telvanor", "ini", "X", std::to_string(++x));
        plataforma::SaveSetting("e-Telvanor", "ini", "Y", std::to_string(x));
        plataforma::WritePrivateProfileStringA("Config", "Rediscar", "False", lugar.Ini().c_str());
    }
}
BENCHMARK(GravacaoDaSaida)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
