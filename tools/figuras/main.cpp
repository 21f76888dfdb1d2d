// e-telvanor-figuras <folder>: draws the main window's pictures into the folder as PNG files.
#include "desenho.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: e-telvanor-figuras <pasta>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir pasta(QString::fromLocal8Bit(argv[1]));
    for (const auto& [nome, figura] : DesenhaFiguras())
        if (!figura.save(pasta.filePath(nome), "PNG")) {
            std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(pasta.filePath(nome)));
            return 1;
        }
    return 0;
}
