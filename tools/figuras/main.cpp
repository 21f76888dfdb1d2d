// e-telvanor-figuras <folder> [<icon folder>]: draws the main window's pictures into the folder as
// PNG files, and the application's icon at each size and as SVG into the icon folder.
#include "desenho.h"
#include "icone_aplicativo.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool Falha(const QString& caminho) {
    std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(caminho));
    return false;
}

bool GravaIcones(const QDir& pasta) {
    for (const int tamanho : TamanhosIcone) {
        const QString caminho = pasta.filePath(QStringLiteral("e-telvanor-%1.png").arg(tamanho));
        if (!IconeAplicativo(tamanho).save(caminho, "PNG"))
            return Falha(caminho);
    }
    QFile svg(pasta.filePath(QStringLiteral("e-telvanor.svg")));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(IconeAplicativoSvg()) < 0)
        return Falha(svg.fileName());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "uso: e-telvanor-figuras <pasta> [<pasta dos ícones>]\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir pasta(QString::fromLocal8Bit(argv[1]));
    for (const auto& [nome, figura] : DesenhaFiguras())
        if (!figura.save(pasta.filePath(nome), "PNG")) {
            Falha(pasta.filePath(nome));
            return 1;
        }
    if (argc == 3 && !GravaIcones(QDir(QString::fromLocal8Bit(argv[2]))))
        return 1;
    return 0;
}
