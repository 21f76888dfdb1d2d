#include "controls/controles.h"

#include "controls/imagem_acessivel.h"

#include <QAnyStringView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

EventoMouse Argumentos(const QMouseEvent* evento) {
    const QPointF p = evento->position();
    return EventoMouse{evento->button(), evento->modifiers(), static_cast<float>(p.x() * TwipsPorPixel),
                       static_cast<float>(p.y() * TwipsPorPixel)};
}

} // namespace

Imagem::Imagem(QWidget* pai, int indice) : QLabel(pai), Index(indice) {
    InstalaImagemAcessivel();
    setScaledContents(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Imagem::AceitaTeclado() { setFocusPolicy(Qt::StrongFocus); }

void Imagem::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    if (!Click || (evento->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
        (tecla != Qt::Key_Space && tecla != Qt::Key_Return && tecla != Qt::Key_Enter)) {
        QLabel::keyPressEvent(evento);
        return;
    }
    evento->accept();
    if (!evento->isAutoRepeat())
        Click(Index);
}

void Imagem::paintEvent(QPaintEvent* evento) {
    QLabel::paintEvent(evento);
    if (!hasFocus())
        return;
    QStylePainter pintor(this);
    QStyleOptionFocusRect opcao;
    opcao.initFrom(this);
    opcao.backgroundColor = palette().color(QPalette::Window);
    pintor.drawPrimitive(QStyle::PE_FrameFocusRect, opcao);
}

void Imagem::DefinePicture(const Figura& figura) {
    figura_ = figura;
    setPixmap(figura.Pixmap);
}

void Imagem::Posiciona(int esquerda, int topo, int largura, int altura) {
    setGeometry(esquerda / TwipsPorPixel, topo / TwipsPorPixel, largura / TwipsPorPixel,
                altura / TwipsPorPixel);
}

void Imagem::mousePressEvent(QMouseEvent* evento) {
    pressionado_ = true;
    if (MouseDown)
        MouseDown(Index, Argumentos(evento));
}

void Imagem::mouseMoveEvent(QMouseEvent* evento) {
    if (MouseMove)
        MouseMove(Index, Argumentos(evento));
}

void Imagem::mouseReleaseEvent(QMouseEvent* evento) {
    const bool clicou = pressionado_ && rect().contains(evento->position().toPoint());
    pressionado_ = false;
    if (MouseUp)
        MouseUp(Index, Argumentos(evento));
    if (clicou && evento->button() == Qt::LeftButton && Click)
        Click(Index);
}

AjusteTexto RotuloAjustado::Ajuste() const {
    return AjustaTexto(font(), contentsRect().size(), text(), TamanhoMinimo);
}

void RotuloAjustado::paintEvent(QPaintEvent*) {
    const AjusteTexto ajuste = Ajuste();
    QPainter pintor(this);
    pintor.setFont(FonteDoAjuste(font(), ajuste));
    pintor.setPen(palette().color(foregroundRole()));
    pintor.drawText(contentsRect(), static_cast<int>(alignment()), ajuste.Linhas.join(u'\n'));
}

Temporizador::Temporizador(int intervaloMs, bool habilitado, std::function<void()> aoDisparar) {
    timer_.setInterval(intervaloMs);
    QObject::connect(&timer_, &QTimer::timeout, std::move(aoDisparar));
    Enabled(habilitado);
}

void Temporizador::Enabled(bool habilitado) {
    if (habilitado && !timer_.isActive())
        timer_.start();
    else if (!habilitado)
        timer_.stop();
}

std::string Caption(const QLabel* rotulo) { return rotulo->text().toStdString(); }

bool CaptionIgual(const QLabel* rotulo, std::string_view texto) {
    return QAnyStringView::equal(rotulo->text(), QUtf8StringView(texto));
}

// The poller writes the same captions ten times a second; an unchanged one is left alone, as setText
// itself would, without building a QString first to find that out.
void DefineCaption(QLabel* rotulo, const std::string& texto) {
    if (CaptionIgual(rotulo, texto))
        return;
    rotulo->setText(QString::fromStdString(texto));
}
