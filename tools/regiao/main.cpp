// e-telvanor-regiao <picture> <region file> [colour]: writes the region file of a picture, cutting
// away its pixels of the transparent colour (0xBBGGRR, magenta by default).
#include "shape/cria_regiao.h"
#include "shape/figura_imagem.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "uso: e-telvanor-regiao <figura> <arquivo.rgn> [cor 0xBBGGRR]\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QImage imagem(QString::fromLocal8Bit(argv[1]));
    if (imagem.isNull()) {
        std::fprintf(stderr, "não foi possível ler %s\n", argv[1]);
        return 1;
    }
    const auto cor = argc == 4 ? static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 0)) : 0x00FF00FFu;
    CriaRegiao regiao;
    if (!regiao.CriaArquivoRegião(FiguraDeImagem(imagem), cor, argv[2])) {
        std::fprintf(stderr, "não foi possível gravar %s\n", argv[2]);
        return 1;
    }
    return 0;
}
