#include "controls/ajuste_texto.h"

#include <QFontMetricsF>

#include <algorithm>
#include <optional>

namespace {

// The two lines of `texto` broken at the blank that leaves the longer one shortest, if both fit.
std::optional<QStringList> DuasLinhas(const QFontMetricsF& metricas, qreal largura, const QString& texto) {
    std::optional<QStringList> melhor;
    qreal maisLarga = largura;
    for (qsizetype espaco = texto.indexOf(u' '); espaco >= 0; espaco = texto.indexOf(u' ', espaco + 1)) {
        const QString primeira = texto.left(espaco).trimmed();
        const QString segunda = texto.mid(espaco + 1).trimmed();
        if (primeira.isEmpty() || segunda.isEmpty())
            continue;
        const qreal larga =
            std::max(metricas.horizontalAdvance(primeira), metricas.horizontalAdvance(segunda));
        if (larga <= maisLarga) {
            maisLarga = larga;
            melhor = QStringList{primeira, segunda};
        }
    }
    return melhor;
}

} // namespace

QFont FonteDoAjuste(const QFont& fonte, const AjusteTexto& ajuste) {
    QFont ajustada = fonte;
    ajustada.setPixelSize(ajuste.TamanhoPixel);
    return ajustada;
}

AjusteTexto AjustaTexto(const QFont& fonte, QSizeF espaco, const QString& texto, int tamanhoMinimo) {
    const int maior = std::max(fonte.pixelSize(), tamanhoMinimo);
    auto metricasEm = [&](int tamanho) {
        QFont f = fonte;
        f.setPixelSize(tamanho);
        return QFontMetricsF(f);
    };
    // The trailing blank some texts end with takes no room on screen.
    const QString visivel = texto.trimmed();

    for (int tamanho = maior; tamanho >= tamanhoMinimo; --tamanho) {
        const QFontMetricsF m = metricasEm(tamanho);
        if (m.height() <= espaco.height() && m.horizontalAdvance(visivel) <= espaco.width())
            return {tamanho, {visivel}, false};
    }
    for (int tamanho = maior; tamanho >= tamanhoMinimo; --tamanho) {
        const QFontMetricsF m = metricasEm(tamanho);
        if (m.height() + m.lineSpacing() > espaco.height())
            continue;
        if (auto linhas = DuasLinhas(m, espaco.width(), visivel))
            return {tamanho, *linhas, false};
    }
    const QFontMetricsF m = metricasEm(tamanhoMinimo);
    return {tamanhoMinimo, {m.elidedText(visivel, Qt::ElideRight, espaco.width())}, true};
}
