// The skin under the mouse: pressed pictures of the buttons, and dragging the window by its skin.
#include "app/frm_telvanor01.h"

#include "platform/interface/qt/eventos.h"
#include "platform/interface/qt/telas.h"

namespace {

// The buttons with a pressed picture: the odd elements 1 to 25, pressed picture at element + 1.
bool TemFiguraPressionada(int indice) { return indice >= 1 && indice <= 25 && indice % 2 == 1; }

} // namespace

void frmTelvanor01::img_MouseDown(int Index, const EventoMouse&) {
    if (TemFiguraPressionada(Index))
        img[Index]->DefinePicture(imgX[Index + 1]);
}

void frmTelvanor01::img_MouseUp(int Index, const EventoMouse&) {
    if (TemFiguraPressionada(Index))
        img[Index]->DefinePicture(imgX[Index]);
}

void frmTelvanor01::Image1_MouseDown(const EventoMouse& e) {
    Arrastando = true;
    XInicial = e.X;
    YInicial = e.Y;
}

// The mouse position is relative to the skin, which moves with the window: moving the window by the
// offset from where the drag began keeps the skin under the mouse. The poller goes on meanwhile.
// Under Wayland only the compositor can move a window: the first move hands the drag to it, and
// the release it keeps is never seen here.
void frmTelvanor01::Image1_MouseMove(const EventoMouse& e) {
    if (!Arrastando)
        return;
    if (plataforma::MovimentoPeloSistema(*this)) {
        Arrastando = false;
        return;
    }
    Move(Left() + static_cast<int>(e.X - XInicial), Top() + static_cast<int>(e.Y - YInicial));
    plataforma::DoEvents();
}

void frmTelvanor01::Image1_MouseUp(const EventoMouse&) { Arrastando = false; }
