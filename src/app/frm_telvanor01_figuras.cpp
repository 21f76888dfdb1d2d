#include "app/frm_telvanor01.h"
#include "shape/figura_imagem.h"

#include <QFont>
#include <QImageReader>
#include <QPalette>

#include <map>

namespace {

// The pictures are all PNG: read as such, without the format guess that loads every image plugin
// of the system to ask each whether it knows the file.
QImage LePng(const QString& nome) {
    QImageReader leitor(QStringLiteral(":/figuras/") + nome, "png");
    leitor.setAutoDetectImageFormat(false);
    return leitor.read();
}

// Each picture file is read once; every window's pictures share its pixels.
Figura Carrega(const QString& nome) {
    static std::map<QString, QImage> lidas;
    auto it = lidas.find(nome);
    if (it == lidas.end())
        it = lidas.emplace(nome, LePng(nome)).first;
    return FiguraDeImagem(it->second);
}

QString NomeImgX(int i) { return QStringLiteral("imgx-%1.png").arg(i, 3, 10, QChar('0')); }

// The labels sit on the skin's light panel: dark text, small enough for rows of 11 pixels.
void Estiliza(QLabel* rotulo, const QColor& cor, bool negrito) {
    QFont fonte;
    fonte.setFamilies(
        {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans")});
    fonte.setPixelSize(9);
    fonte.setBold(negrito);
    rotulo->setFont(fonte);
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(paleta);
}

} // namespace

void frmTelvanor01::CarregaFiguras() {
    // The pictures are compiled into a static library, whose resources register only when asked.
    Q_INIT_RESOURCE(figuras);
    Image1->DefinePicture(Carrega(QStringLiteral("fundo.png")));
    for (const auto& [i, imagem] : img) {
        imgX[i] = Carrega(NomeImgX(i));
        imgX[i + 1] = Carrega(NomeImgX(i + 1));
    }
    for (const auto& [i, imagem] : img)
        // The mail indicator's first picture is the new-mail one; it starts with no new mail.
        imagem->DefinePicture(imgX[i == 200 ? 201 : i]);
    Picture1 = Carrega(QStringLiteral("icone-ocioso.png"));
    Picture2 = Carrega(QStringLiteral("icone-aceso.png"));

    const QColor legenda(31, 60, 100), valor(11, 26, 46);
    for (QLabel* r : {Label1, Label2, Label3})
        Estiliza(r, legenda, true);
    for (QLabel* r : {lblAcesso, lblUsuário, lblSenha, lblContaEmail})
        Estiliza(r, valor, false);
    Estiliza(lblStatus, QColor(18, 58, 107), true);
}
