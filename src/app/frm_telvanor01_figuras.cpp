#include "app/frm_telvanor01.h"
#include "platform/figuras/qt/figuras_embutidas.h"
#include "shape/figura_imagem.h"

#include <QFont>
#include <QPalette>

namespace {

// Every window's pictures share the compiled-in pixels.
Figura Carrega(const QString& nome) { return FiguraDeImagem(plataforma::FiguraEmbutidaDe(nome)); }

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
    for (QLabel* r : std::initializer_list<QLabel*>{lblAcesso, lblUsuário, lblSenha, lblContaEmail})
        Estiliza(r, valor, false);
    Estiliza(lblStatus, QColor(18, 58, 107), true);
}
