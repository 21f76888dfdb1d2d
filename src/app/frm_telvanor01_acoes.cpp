#include "app/frm_telvanor01.h"

#include <QKeyEvent>

void frmTelvanor01::LigaEventos() {}
void frmTelvanor01::img_Click(int) {}
void frmTelvanor01::img_MouseDown(int, const EventoMouse&) {}
void frmTelvanor01::img_MouseUp(int, const EventoMouse&) {}
void frmTelvanor01::Image1_MouseDown(const EventoMouse&) {}
void frmTelvanor01::Image1_MouseMove(const EventoMouse&) {}
void frmTelvanor01::Image1_MouseUp(const EventoMouse&) {}
void frmTelvanor01::Form_KeyUp(int, Qt::KeyboardModifiers) {}
void frmTelvanor01::keyReleaseEvent(QKeyEvent* evento) {
    QWidget::keyReleaseEvent(evento);
}
