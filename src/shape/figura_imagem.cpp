#include "shape/figura_imagem.h"

#include "platform/figuras/qt/contexto_dispositivo.h"

Figura FiguraDeImagem(const QImage& imagem) {
    Figura figura = Figura::Nova(QPixmap::fromImage(imagem));
    plataforma::RegistraBitmap(figura.Handle, imagem);
    return figura;
}
