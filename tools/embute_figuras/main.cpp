// e-telvanor-embute-figuras <output.cpp> <picture.png>...: writes a C++ source holding each picture
// as the pixels Qt decodes it to, with its size and format, for platform/figuras/qt/figuras_embutidas.h.
// The program then shows its pictures without decoding a single file.
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

namespace {

// The formats Qt paints from without a copy: opaque pictures as RGB32, the others with their
// colours already multiplied by their alpha.
QImage ParaPintura(const QImage& imagem) {
    return imagem.convertToFormat(imagem.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32);
}

// The name becomes a C string literal: only letters, digits and ". _ -" are taken.
bool NomeSimples(const QString& nome) {
    for (const QChar c : nome)
        if (c.unicode() > 0x7F || !(c.isLetterOrNumber() || c == u'.' || c == u'_' || c == u'-'))
            return false;
    return !nome.isEmpty();
}

void AcrescentaPixels(QByteArray& texto, const QImage& imagem) {
    char valor[24];
    int naLinha = 0;
    for (int y = 0; y < imagem.height(); ++y) {
        const auto* linha = reinterpret_cast<const QRgb*>(imagem.constScanLine(y));
        for (int x = 0; x < imagem.width(); ++x) {
            std::snprintf(valor, sizeof valor, naLinha == 0 ? "\n    0x%08Xu," : " 0x%08Xu,", linha[x]);
            texto += valor;
            naLinha = (naLinha + 1) % 8;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: e-telvanor-embute-figuras <saída.cpp> <figura.png>...\n");
        return 2;
    }
    QByteArray texto = "// Written by e-telvanor-embute-figuras from the PNG files of assets/figuras.\n"
                       "#include \"platform/figuras/qt/figuras_embutidas.h\"\n\nnamespace {\n";
    QByteArray tabela;
    for (int i = 2; i < argc; ++i) {
        const QString caminho = QString::fromLocal8Bit(argv[i]);
        const QString nome = QFileInfo(caminho).fileName();
        const QImage imagem = ParaPintura(QImage(caminho, "png"));
        if (imagem.isNull() || !NomeSimples(nome)) {
            std::fprintf(stderr, "%s: não é uma figura PNG de nome simples\n", argv[i]);
            return 1;
        }
        const QByteArray pixels = "pixels" + QByteArray::number(i - 2);
        texto += "\nconst std::uint32_t " + pixels + "[] = {";
        AcrescentaPixels(texto, imagem);
        texto += "\n};\n";
        tabela +=
            QStringLiteral("    {\"%1\", %2, %3, QImage::%4, %5},\n")
                .arg(nome)
                .arg(imagem.width())
                .arg(imagem.height())
                .arg(imagem.format() == QImage::Format_RGB32 ? "Format_RGB32" : "Format_ARGB32_Premultiplied")
                .arg(QString::fromLatin1(pixels))
                .toLatin1();
    }
    texto +=
        "\nconst plataforma::FiguraEmbutida figuras[] = {\n" + tabela +
        "};\n\n} // namespace\n\n"
        "std::span<const plataforma::FiguraEmbutida> plataforma::FigurasEmbutidas() { return figuras; }\n";
    QSaveFile saida(QString::fromLocal8Bit(argv[1]));
    if (!saida.open(QIODevice::WriteOnly) || saida.write(texto) != texto.size() || !saida.commit()) {
        std::fprintf(stderr, "não foi possível gravar %s\n", argv[1]);
        return 1;
    }
    return 0;
}
