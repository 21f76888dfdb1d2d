#include "platform/figuras/qt/figuras_embutidas.h"

#include <QLatin1String>

namespace plataforma {

QImage FiguraEmbutidaDe(QStringView nome) {
    for (const FiguraEmbutida& f : FigurasEmbutidas())
        if (nome == QLatin1String(f.Nome))
            return QImage(reinterpret_cast<const uchar*>(f.Pixels), f.Largura, f.Altura,
                          f.Largura * qsizetype{sizeof *f.Pixels}, f.Formato);
    return QImage();
}

} // namespace plataforma
