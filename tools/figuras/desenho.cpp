#include "desenho.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace {

constexpr int Largura = 151;
constexpr int Altura = 197;

const QColor Contorno(10, 21, 38);
const QColor Texto(255, 255, 255);

// The window's outline: a body with a crest for the name on the left, a knob for the close button
// on the right, a notch on each side and a slight bulge at the bottom.
QPainterPath Silhueta() {
    QPainterPath corpo;
    corpo.addRoundedRect(QRectF(3, 28, 144, 165), 16, 16);
    QPainterPath crista;
    crista.addEllipse(QPointF(60, 27), 54, 23);
    QPainterPath botao;
    botao.addEllipse(QPointF(125, 40), 16, 16);
    QPainterPath pe;
    pe.addEllipse(QPointF(75, 189), 42, 5);
    QPainterPath entalhes;
    entalhes.addEllipse(QPointF(0, 112), 6, 7);
    entalhes.addEllipse(QPointF(151, 112), 6, 7);
    return corpo.united(crista).united(botao).united(pe).subtracted(entalhes);
}

QFont Fonte(double pixels, bool negrito = true, bool condensada = true) {
    QFont f(condensada ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(static_cast<int>(pixels));
    f.setBold(negrito);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// The largest size up to `maximo` pixels at which the text fits the width.
QFont FonteQueCabe(const QString& texto, double largura, int maximo) {
    for (int px = maximo; px > 5; --px) {
        const QFont f = Fonte(px);
        if (QFontMetricsF(f).horizontalAdvance(texto) <= largura)
            return f;
    }
    return Fonte(5);
}

QImage Vazia(int l, int a) {
    QImage i(l, a, QImage::Format_ARGB32_Premultiplied);
    i.fill(Qt::transparent);
    return i;
}

void Legenda(QPainter& p, const QRectF& area, const QString& texto, int maximo, const QColor& cor) {
    p.setFont(FonteQueCabe(texto, area.width() - 3, maximo));
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(area.translated(0, 1), Qt::AlignCenter, texto);
    p.setPen(cor);
    p.drawText(area, Qt::AlignCenter, texto);
}

struct Tinta {
    QColor topo;
    QColor base;
};

const Tinta Azul{QColor(74, 132, 196), QColor(31, 77, 134)};
const Tinta Verde{QColor(67, 170, 104), QColor(24, 103, 56)};
const Tinta Vermelho{QColor(212, 86, 74), QColor(140, 38, 31)};

// A rounded push button; pressed, its light comes from below and its caption sinks one pixel.
QImage Botao(QSize tamanho, QRectF corpo, const QString& legenda, Tinta t, bool pressionado,
             const std::function<void(QPainter&, const QRectF&)>& extra = {}) {
    QImage i = Vazia(tamanho.width(), tamanho.height());
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r = corpo.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, pressionado ? t.base.darker(125) : t.topo);
    g.setColorAt(1, pressionado ? t.topo.darker(115) : t.base);
    p.setPen(QPen(Contorno, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    if (!pressionado) {
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        p.drawLine(QPointF(r.left() + 3, r.top() + 1), QPointF(r.right() - 3, r.top() + 1));
    }
    const QRectF area = r.translated(0, pressionado ? 1 : 0);
    if (extra)
        extra(p, area);
    if (!legenda.isEmpty())
        Legenda(p, area, legenda, 9, pressionado ? QColor(225, 232, 240) : Texto);
    return i;
}

// The redial button carries its lamp below the body, where the caption leaves no room.
QImage Rediscar(bool ligado) {
    QImage i = Botao(QSize(40, 23), QRectF(2, 1, 36, 17), QStringLiteral("Rediscar"), Azul, false);
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF lampada(13.5, 19.5, 13, 3);
    if (ligado) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 255, 140, 90));
        p.drawRoundedRect(lampada.adjusted(-1.5, -1, 1.5, 1), 2.5, 2.5);
    }
    p.setPen(QPen(Contorno, 0.8));
    p.setBrush(ligado ? QColor(96, 240, 96) : QColor(80, 92, 108));
    p.drawRoundedRect(lampada, 1.5, 1.5);
    return i;
}

QImage Menu(bool pressionado) {
    QImage i = Vazia(19, 5);
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Contorno, 1));
    p.setBrush(pressionado ? QColor(120, 150, 186) : QColor(205, 220, 238));
    p.drawRoundedRect(QRectF(0.5, 0.5, 18, 4), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(pressionado ? QColor(235, 240, 248) : QColor(31, 60, 100));
    for (int k = 0; k < 3; ++k)
        p.drawEllipse(QPointF(5.5 + 4 * k, 2.5), 1, 1);
    return i;
}

QImage Bandeja(bool pressionado) {
    return Botao(
        QSize(18, 10), QRectF(0, 0, 18, 10), QString(), Azul, pressionado, [](QPainter& p, const QRectF& a) {
            p.setPen(QPen(Texto, 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(a.left() + 5, a.bottom() - 2.6), QPointF(a.right() - 5, a.bottom() - 2.6));
        });
}

QImage Fechar(bool pressionado) {
    QImage i = Vazia(18, 18);
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1.5, 1.5, 15, 15);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, pressionado ? Vermelho.base.darker(120) : Vermelho.topo);
    g.setColorAt(1, pressionado ? Vermelho.topo.darker(110) : Vermelho.base);
    p.setPen(QPen(Contorno, 1));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setPen(QPen(Texto, 1.8, Qt::SolidLine, Qt::RoundCap));
    const double d = pressionado ? 0.7 : 0;
    p.drawLine(QPointF(6 + d, 6 + d), QPointF(12 + d, 12 + d));
    p.drawLine(QPointF(12 + d, 6 + d), QPointF(6 + d, 12 + d));
    return i;
}

QImage Ajuda(bool pressionado) {
    QImage i = Vazia(6, 10);
    QPainter p(&i);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(Fonte(10, true, false));
    p.setPen(pressionado ? QColor(255, 190, 90) : QColor(205, 222, 242));
    p.drawText(QRectF(0, 0, 6, 10), Qt::AlignCenter, QStringLiteral("?"));
    return i;
}

QImage Lampada(bool acesa) {
    QImage i = Vazia(16, 16);
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(8, 8);
    p.setPen(QPen(Contorno, 1));
    p.setBrush(QColor(150, 165, 185));
    p.drawEllipse(c, 7, 7);
    QRadialGradient g(QPointF(6.5, 6.5), 6);
    g.setColorAt(0, acesa ? QColor(200, 255, 190) : QColor(120, 134, 150));
    g.setColorAt(0.5, acesa ? QColor(70, 220, 80) : QColor(72, 86, 104));
    g.setColorAt(1, acesa ? QColor(20, 130, 40) : QColor(40, 50, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, 5.2, 5.2);
    p.setBrush(QColor(255, 255, 255, acesa ? 190 : 90));
    p.drawEllipse(QPointF(6.2, 5.8), 1.5, 1.1);
    return i;
}

QImage Envelope(bool temEmail) {
    QImage i = Vazia(16, 16);
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1.5, 3.5, 13, 9);
    p.setPen(QPen(Contorno, 1));
    p.setBrush(temEmail ? QColor(255, 214, 102) : QColor(196, 208, 222));
    p.drawRoundedRect(r, 1, 1);
    p.drawPolyline(QPolygonF({QPointF(1.8, 4), QPointF(8, 9), QPointF(14.2, 4)}));
    if (temEmail) {
        p.setBrush(QColor(220, 50, 47));
        p.setPen(QPen(Qt::white, 1));
        p.drawEllipse(QPointF(12.5, 3.5), 3, 3);
    }
    return i;
}

QImage IconeBandeja(bool aceso) {
    QImage i = Vazia(32, 32);
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor claro = aceso ? QColor(110, 230, 120) : QColor(120, 160, 210);
    const QColor escuro = aceso ? QColor(20, 120, 45) : QColor(28, 62, 108);
    QRadialGradient g(QPointF(12, 10), 20);
    g.setColorAt(0, claro);
    g.setColorAt(1, escuro);
    p.setPen(QPen(Contorno, 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setFont(Fonte(22, true, false));
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 0, 28, 29), Qt::AlignCenter, QStringLiteral("e"));
    return i;
}

// The skin's face: body, name, the panel behind the labels.
void Face(QPainter& p) {
    QLinearGradient corpo(0, 0, 0, Altura);
    corpo.setColorAt(0, QColor(46, 84, 130));
    corpo.setColorAt(1, QColor(17, 37, 64));
    p.fillRect(0, 0, Largura, Altura, corpo);

    // The name on the crest.
    QFont nome = Fonte(14, true, false);
    nome.setItalic(true);
    p.setFont(nome);
    const QString e = QStringLiteral("e-"), telvanor = QStringLiteral("Telvanor");
    const QFontMetricsF m(nome);
    const double x = 60 - (m.horizontalAdvance(e) + m.horizontalAdvance(telvanor)) / 2;
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QPointF(x + 1, 24), e + telvanor);
    p.setPen(QColor(255, 180, 71));
    p.drawText(QPointF(x, 23), e);
    p.setPen(Qt::white);
    p.drawText(QPointF(x + m.horizontalAdvance(e), 23), telvanor);
    const QString versao = QStringLiteral("3.1 Standard");
    p.setFont(FonteQueCabe(versao, 48, 8));
    p.setPen(QColor(170, 200, 235));
    p.drawText(QRectF(48, 27, 50, 10), Qt::AlignLeft | Qt::AlignVCenter, versao);

    // The panel behind the labels, with the status strip.
    p.setPen(QPen(QColor(8, 18, 34), 1));
    p.setBrush(QColor(230, 238, 246));
    p.drawRoundedRect(QRectF(9.5, 56.5, 132, 81), 6, 6);
    p.setPen(QPen(QColor(196, 210, 226), 1));
    for (double y : {78.5, 92.5, 105.5})
        p.drawLine(QPointF(14, y), QPointF(137, y));
    p.setPen(QPen(QColor(150, 172, 200), 1));
    p.setBrush(QColor(210, 224, 239));
    p.drawRoundedRect(QRectF(12.5, 119.5, 126, 15), 4, 4);

    // Wells under the two rows of buttons.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 20, 38, 90));
    p.drawRoundedRect(QRectF(13, 140, 125, 48), 8, 8);
}

QImage Pele() {
    QImage forma = Vazia(Largura, Altura);
    {
        QPainter p(&forma);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(Silhueta(), Qt::black);
    }
    QImage face(Largura, Altura, QImage::Format_RGB32);
    {
        QPainter p(&face);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        Face(p);
    }
    // The outline is hard-edged: a pixel is in or out, so no fringe of the transparent colour shows.
    auto dentro = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < Largura && y < Altura && qAlpha(forma.pixel(x, y)) >= 128;
    };
    QImage pele(Largura, Altura, QImage::Format_RGB32);
    for (int y = 0; y < Altura; ++y)
        for (int x = 0; x < Largura; ++x) {
            QRgb cor = CorTransparente;
            if (dentro(x, y)) {
                const bool borda =
                    !dentro(x - 1, y) || !dentro(x + 1, y) || !dentro(x, y - 1) || !dentro(x, y + 1);
                const bool luz = !borda && (!dentro(x, y - 2) || !dentro(x - 2, y)) && y < Altura / 2;
                cor = borda ? Contorno.rgb()
                      : luz ? QColor(face.pixel(x, y)).lighter(150).rgb()
                            : face.pixel(x, y);
            }
            pele.setPixel(x, y, cor);
        }
    return pele;
}

} // namespace

std::map<QString, QImage> DesenhaFiguras() {
    std::map<QString, QImage> f;
    auto par = [&f](int i, const QImage& normal, const QImage& outra) {
        f[QStringLiteral("imgx-%1.png").arg(i, 3, 10, QChar('0'))] = normal;
        f[QStringLiteral("imgx-%1.png").arg(i + 1, 3, 10, QChar('0'))] = outra;
    };
    auto botao = [&](int i, QSize tamanho, QRectF corpo, const char* legenda, Tinta t) {
        const QString texto = QString::fromUtf8(legenda);
        par(i, Botao(tamanho, corpo, texto, t, false), Botao(tamanho, corpo, texto, t, true));
    };
    f[QStringLiteral("fundo.png")] = Pele();
    par(1, Menu(false), Menu(true));
    par(3, Bandeja(false), Bandeja(true));
    par(5, Fechar(false), Fechar(true));
    botao(7, QSize(39, 21), QRectF(1, 1, 36, 17), "Conectar", Verde);
    botao(9, QSize(35, 21), QRectF(0, 1, 34, 17), "Desligar", Vermelho);
    botao(11, QSize(39, 17), QRectF(1, 0, 37, 16), "Config.", Azul);
    botao(15, QSize(35, 23), QRectF(1, 4, 33, 17), "Sobre", Azul);
    botao(21, QSize(34, 23), QRectF(1, 4, 32, 17), "E-mail", Azul);
    par(25, Ajuda(false), Ajuda(true));
    par(51, Rediscar(false), Rediscar(true));
    par(100, Lampada(false), Lampada(true));
    par(200, Envelope(true), Envelope(false));
    f[QStringLiteral("icone-ocioso.png")] = IconeBandeja(false);
    f[QStringLiteral("icone-aceso.png")] = IconeBandeja(true);
    return f;
}
