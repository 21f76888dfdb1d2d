// Speed of the window outline: reading the shipped region file, and reading and scanning a full-HD
// picture with many transparent runs, and its region file in scan order and in reverse order.
#include "platform/regiao/regiao.h"
#include "shape/cria_regiao.h"
#include "shape/figura_imagem.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

constexpr std::uint32_t Magenta = 0x00FF00FF;

const std::string ArquivoEntregue = std::string(PROGRAMA_ENTREGUE) + "/telvanor.rgn";

// 1920 x 1080, each row alternating opaque and transparent stretches of 1 to 4 pixels: about 400
// runs per row, 430 000 in all.
const Figura& FiguraGrande() {
    static const Figura figura = [] {
        QImage imagem(1920, 1080, QImage::Format_RGB32);
        std::mt19937 gerador(1080);
        std::uniform_int_distribution<int> comprimento(1, 4);
        for (int y = 0; y < imagem.height(); ++y) {
            bool transparente = (y % 2) == 0;
            for (int x = 0; x < imagem.width();) {
                const int fim = std::min(imagem.width(), x + comprimento(gerador));
                for (; x < fim; ++x)
                    imagem.setPixel(x, y, transparente ? qRgb(255, 0, 255) : qRgb(40, 70, 120));
                transparente = !transparente;
            }
        }
        return FiguraDeImagem(imagem);
    }();
    return figura;
}

const std::string& ArquivoGrande() {
    static QTemporaryDir pasta;
    static const std::string nome = [] {
        const std::string n = pasta.filePath(QStringLiteral("grande.rgn")).toStdString();
        CriaRegiao r;
        if (!r.CriaArquivoRegião(FiguraGrande(), Magenta, n))
            std::abort();
        return n;
    }();
    return nome;
}

// The same runs written last row first: reading must not slow down with the order.
const std::string& ArquivoInvertido() {
    static QTemporaryDir pasta;
    static const std::string nome = [] {
        QFile grande(QString::fromStdString(ArquivoGrande()));
        if (!grande.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray texto = grande.readAll();
        const qsizetype quebra = texto.indexOf("\r\n") + 2;
        QList<QByteArray> registros = texto.mid(quebra).split('|');
        std::reverse(registros.begin(), registros.end());
        const std::string n = pasta.filePath(QStringLiteral("invertido.rgn")).toStdString();
        QFile invertido(QString::fromStdString(n));
        if (!invertido.open(QIODevice::WriteOnly))
            std::abort();
        invertido.write(texto.left(quebra) + registros.join('|'));
        return n;
    }();
    return nome;
}

std::size_t Retangulos(std::uint32_t h) {
    std::vector<plataforma::RECT> r;
    plataforma::RetangulosDaRegiao(h, r);
    return r.size();
}

void LeArquivo(benchmark::State& estado, const std::string& (*arquivo)()) {
    const std::string& nome = arquivo();
    for (auto _ : estado) {
        CriaRegiao r;
        r.CriaRegiãoDeArquivo(nome);
        r.DestroiRegião();
    }
    // Counted once, outside the timing, as the picture's case does not hand out its rectangles.
    CriaRegiao r;
    r.CriaRegiãoDeArquivo(nome);
    estado.counters["retangulos"] = static_cast<double>(Retangulos(r.Handle()));
    r.DestroiRegião();
}

const std::string& ArquivoDaJanela() { return ArquivoEntregue; }
BENCHMARK_CAPTURE(LeArquivo, ArquivoDaJanela, ArquivoDaJanela)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LeArquivo, ArquivoFullHd, ArquivoGrande)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LeArquivo, ArquivoFullHdInvertido, ArquivoInvertido)->Unit(benchmark::kMillisecond);

void FiguraFullHd(benchmark::State& estado) {
    const Figura& figura = FiguraGrande();
    for (auto _ : estado) {
        CriaRegiao r;
        r.CriaRegiãoDeFigura(figura, Magenta);
        r.DestroiRegião();
    }
}
BENCHMARK(FiguraFullHd)->Unit(benchmark::kMillisecond);

} // namespace
