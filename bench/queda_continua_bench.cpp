// Soak: the simulated line drops every few seconds and redial brings it back, for half an hour of
// injected time through the real poller, redial and blink handlers. Prints the cues per transition,
// resident memory and the counts of timers, objects, open files and regions, first and last; exits
// non-zero when a cue is missing or doubled, memory grows by 1 MB or more, or a count grows.
#include "app/janela_em_linha.h"
#include "platform/regiao/regiao.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

long MemoriaResidenteKb() {
    long paginas = 0, residentes = 0;
    std::ifstream("/proc/self/statm") >> paginas >> residentes;
    return residentes * (::sysconf(_SC_PAGESIZE) / 1024);
}

long ArquivosAbertos() {
    long n = 0;
    if (DIR* d = ::opendir("/proc/self/fd")) {
        while (::readdir(d))
            ++n;
        ::closedir(d);
    }
    return n;
}

struct Contagem {
    long memoriaKb, temporizadores, objetos, arquivos, regioes;
};

class Soak : public JanelaEmLinha {
public:
    void TestBody() override {}

    Contagem Conta() const {
        long ativos = 0;
        for (const Temporizador* t : {&janela.Timer1, &janela.Timer2, &janela.Timer3, &janela.tmrEmail})
            ativos += t->Enabled();
        for (const QTimer* t : janela.findChildren<QTimer*>())
            ativos += t->isActive();
        return {MemoriaResidenteKb(), ativos,
                static_cast<long>(janela.findChildren<QObject*>().size() + QApplication::allWidgets().size()),
                ArquivosAbertos(), static_cast<long>(plataforma::RegioesVivas())};
    }

    // One drop and its redial; false when the line did not come back.
    bool Ciclo(std::chrono::milliseconds& decorrido) {
        const auto antes = relogio->Agora();
        Derruba();
        const bool ok = PassaAte("Sem Conexão.") && PassaAte("Conectado.");
        Passa(3s);
        decorrido += std::chrono::duration_cast<std::chrono::milliseconds>(relogio->Agora() - antes);
        // The doubles keep every call they saw; the cues are tallied and the records dropped, so that
        // only the program's own memory is measured.
        conectados += Tocados("conectado.wav");
        desconectados += Tocados("desconectado.wav");
        foraDoPar += Tocados("conectado.wav") != 1 || Tocados("desconectado.wav") != 1;
        som->chamadas.clear();
        bandeja->chamadas.clear();
        interface->mensagens.clear();
        return ok;
    }

    int Roda() {
        quelza::RediscarLigado = false;
        janela.img_Click(51); // redial on
        if (!Conecta())
            return std::puts("the line did not connect"), 1;
        Passa(3s);
        std::chrono::milliseconds decorrido{0};
        // Warm-up: caches, the font and the pictures settle before the first count.
        for (int i = 0; i < 20; ++i)
            if (!Ciclo(decorrido))
                return std::puts("the line did not come back"), 1;
        const Contagem inicio = Conta();
        conectados = desconectados = foraDoPar = 0;
        long ciclos = 0;
        for (decorrido = 0ms; decorrido < 30min; ++ciclos) {
            if (!Ciclo(decorrido))
                return std::puts("the line did not come back"), 1;
            if (ciclos % 50 == 0)
                std::printf("after %ld drops: %ld kB\n", ciclos, MemoriaResidenteKb());
        }
        const Contagem fim = Conta();
        std::printf("%ld drops in %lld s of injected time\n", ciclos,
                    static_cast<long long>(decorrido.count() / 1000));
        std::printf("cues: %ld connected, %ld disconnected, %ld drops without exactly one of each\n",
                    conectados, desconectados, foraDoPar);
        std::printf("resident memory: %ld kB -> %ld kB\n", inicio.memoriaKb, fim.memoriaKb);
        std::printf("timers %ld -> %ld, objects %ld -> %ld, open files %ld -> %ld, regions %ld -> %ld\n",
                    inicio.temporizadores, fim.temporizadores, inicio.objetos, fim.objetos, inicio.arquivos,
                    fim.arquivos, inicio.regioes, fim.regioes);
        const bool bom = foraDoPar == 0 && conectados == ciclos && desconectados == ciclos &&
                         fim.memoriaKb - inicio.memoriaKb < 1024 &&
                         fim.temporizadores <= inicio.temporizadores && fim.objetos <= inicio.objetos &&
                         fim.arquivos <= inicio.arquivos && fim.regioes <= inicio.regioes;
        std::puts(bom ? "soak passed" : "soak FAILED");
        return bom ? 0 : 1;
    }

private:
    long conectados = 0;
    long desconectados = 0;
    long foraDoPar = 0;
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Soak soak;
    return soak.Roda();
}
