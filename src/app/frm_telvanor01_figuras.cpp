#include "app/frm_telvanor01.h"

#include <QColor>

// Plain coloured pictures until the skin is drawn.
void frmTelvanor01::CarregaFiguras() {
    auto cor = [](const QColor& c) {
        QPixmap p(16, 16);
        p.fill(c);
        return Figura::Nova(p);
    };
    Image1->DefinePicture(cor(QColor(40, 70, 120)));
    for (const auto& [i, imagem] : img) {
        imgX[i] = cor(QColor(90, 130, 190));
        imgX[i + 1] = cor(QColor(200, 200, 60));
        imagem->DefinePicture(imgX[i]);
    }
    Picture1 = cor(Qt::gray);
    Picture2 = cor(Qt::green);
}
