// The function keys of the main window, acted on when the key comes up.
#include "app/frm_telvanor01.h"

#include "platform/ajuda/qt/ajuda.h"
#include "platform/interface/qt/mensagens.h"

#include <QKeyEvent>

namespace {

// Window coordinates of the menu from the keyboard: the menu button's corner, 4 right and 8 down.
QPoint PosiçãoDoMenuPeloTeclado(const frmTelvanor01& f) {
    const QPoint canto = f.img.at(1)->pos();
    return QPoint((canto.x() * TwipsPorPixel + 4) / TwipsPorPixel,
                  (canto.y() * TwipsPorPixel + 8) / TwipsPorPixel);
}

} // namespace

void frmTelvanor01::Form_KeyUp(int tecla, Qt::KeyboardModifiers shift) {
    // The keypad flag says where a key sits, not what is held with it.
    const bool sóAlt = (shift & ~Qt::KeypadModifier) == Qt::AltModifier;
    switch (tecla) {
    case Qt::Key_F1:
        plataforma::MostraAjuda();
        break;
    case Qt::Key_F2:
        img_Click(7);
        break;
    case Qt::Key_F3:
        img_Click(9);
        break;
    case Qt::Key_F4:
        img_Click(sóAlt ? 5 : 51);
        break;
    case Qt::Key_F5:
        img_Click(11);
        break;
    case Qt::Key_F8:
        plataforma::MsgBox("aqui'", plataforma::vbOKOnly);
        break;
    case Qt::Key_F10:
        AbreMenuBandeja(mapToGlobal(PosiçãoDoMenuPeloTeclado(*this)));
        break;
    case Qt::Key_F11:
        img_Click(3);
        break;
    case Qt::Key_F12:
        img_Click(15);
        break;
    default:
        break;
    }
}

void frmTelvanor01::keyReleaseEvent(QKeyEvent* evento) {
    if (evento->isAutoRepeat()) {
        QWidget::keyReleaseEvent(evento);
        return;
    }
    Form_KeyUp(evento->key(), evento->modifiers());
}
