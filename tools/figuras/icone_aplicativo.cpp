#include "icone_aplicativo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>

namespace {

// Drawn on a 32-unit square, as the tray icon is.
constexpr double Lado = 32;
const QPointF Centro(16, 16);
constexpr double Raio = 14;
constexpr double Traco = 1.5;
const QPointF CentroLuz(12, 10);
constexpr double RaioLuz = 20;
const QColor Claro(120, 160, 210);
const QColor Escuro(28, 62, 108);
const QColor Contorno(10, 21, 38);

// The letter as an outline, centred on the disc the way the tray icon centres its text, so the
// drawing needs no font where it is shown.
QPainterPath Letra() {
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(22);
    fonte.setBold(true);
    const QFontMetricsF m(fonte);
    const QString e = QStringLiteral("e");
    const QRectF area(2, 0, 28, 29);
    const double x = area.center().x() - m.horizontalAdvance(e) / 2;
    const double base = area.top() + (area.height() - m.height()) / 2 + m.ascent();
    QPainterPath letra;
    letra.addText(QPointF(x, base), fonte, e);
    letra.setFillRule(Qt::WindingFill);
    return letra;
}

QString Numero(double v) {
    return QString::number(v, 'f', 3).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString Pontos(const QPainterPath& caminho) {
    QString d;
    for (int i = 0; i < caminho.elementCount(); ++i) {
        const QPainterPath::Element el = caminho.elementAt(i);
        if (el.type == QPainterPath::MoveToElement)
            d += i > 0 ? QStringLiteral("ZM") : QStringLiteral("M");
        else if (el.type == QPainterPath::LineToElement)
            d += QStringLiteral("L");
        else if (el.type == QPainterPath::CurveToElement)
            d += QStringLiteral("C");
        else
            d += QStringLiteral(" ");
        d += Numero(el.x) + QStringLiteral(" ") + Numero(el.y);
    }
    return d + QStringLiteral("Z");
}

} // namespace

QImage IconeAplicativo(int tamanho) {
    QImage i(tamanho, tamanho, QImage::Format_ARGB32_Premultiplied);
    i.fill(Qt::transparent);
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(tamanho / Lado, tamanho / Lado);
    QRadialGradient luz(CentroLuz, RaioLuz);
    luz.setColorAt(0, Claro);
    luz.setColorAt(1, Escuro);
    p.setPen(QPen(Contorno, Traco));
    p.setBrush(luz);
    p.drawEllipse(Centro, Raio, Raio);
    p.fillPath(Letra(), Qt::white);
    return i;
}

QByteArray IconeAplicativoSvg() {
    const QString svg =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
            "  <defs>\n"
            "    <radialGradient id=\"luz\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" cy=\"%3\" r=\"%4\">\n"
            "      <stop offset=\"0\" stop-color=\"%5\"/>\n"
            "      <stop offset=\"1\" stop-color=\"%6\"/>\n"
            "    </radialGradient>\n"
            "  </defs>\n"
            "  <circle cx=\"%7\" cy=\"%8\" r=\"%9\" fill=\"url(#luz)\" stroke=\"%10\" "
            "stroke-width=\"%11\"/>\n"
            "  <path fill=\"#ffffff\" fill-rule=\"nonzero\" d=\"%12\"/>\n"
            "</svg>\n")
            .arg(Numero(Lado), Numero(CentroLuz.x()), Numero(CentroLuz.y()), Numero(RaioLuz), Claro.name(),
                 Escuro.name(), Numero(Centro.x()), Numero(Centro.y()), Numero(Raio))
            .arg(Contorno.name(), Numero(Traco), Pontos(Letra()));
    return svg.toUtf8();
}
