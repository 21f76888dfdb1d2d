// The few controls the forms are built from: image controls that show a picture (Figura) and raise
// click and mouse events, and timers with an enabled state.
#pragma once

#include "app/ajuste_texto.h"
#include "platform/figuras/qt/figuras.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

inline constexpr int TwipsPorPixel = 15;

// Mouse event arguments as the forms receive them: coordinates in twips, relative to the control.
struct EventoMouse {
    Qt::MouseButton Botao = Qt::NoButton;
    Qt::KeyboardModifiers Shift;
    float X = 0;
    float Y = 0;
};

// An image control: shows a picture, raises Click, MouseDown, MouseMove and MouseUp. A screen reader
// sees one with a Click as a button named by its tooltip (a link, when it shows a text).
class Imagem : public QLabel {
public:
    Imagem(QWidget* pai, int indice = -1);

    const Figura& Picture() const { return figura_; }
    void DefinePicture(const Figura& figura);

    // Left, top, width and height in twips.
    void Posiciona(int esquerda, int topo, int largura, int altura);

    // Reached with Tab and pressed with Space or Enter like a push button, showing its focus. The
    // main window's skin buttons stay off the keyboard's way: the function keys are theirs.
    void AceitaTeclado();

    const int Index;
    std::function<void(int)> Click;
    std::function<void(int, const EventoMouse&)> MouseDown;
    std::function<void(int, const EventoMouse&)> MouseMove;
    std::function<void(int, const EventoMouse&)> MouseUp;

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    Figura figura_;
    bool pressionado_ = false;
};

// A label whose text always shows whole in its fixed space: it is painted at a smaller size of its
// font, on two lines when need be, and elided only when nothing else holds it. Its text stays the
// whole text, for whoever reads it (the other routines, a screen reader).
class RotuloAjustado : public QLabel {
public:
    // Smaller than this the skin's font is no longer read with ease.
    static constexpr int TamanhoMinimo = 8;

    using QLabel::QLabel;

    AjusteTexto Ajuste() const;

protected:
    void paintEvent(QPaintEvent* evento) override;
};

// A timer with an interval and an enabled state; when enabled it calls its handler every interval.
// Tests call the handlers directly and read the state.
class Temporizador {
public:
    Temporizador(int intervaloMs, bool habilitado, std::function<void()> aoDisparar);

    bool Enabled() const { return timer_.isActive(); }
    void Enabled(bool habilitado);
    int Interval() const { return timer_.interval(); }

private:
    QTimer timer_;
};

// Label captions as the system's UTF-8 text. Comparing one with a text needs no copy of it.
std::string Caption(const QLabel* rotulo);
bool CaptionIgual(const QLabel* rotulo, std::string_view texto);
void DefineCaption(QLabel* rotulo, const std::string& texto);
