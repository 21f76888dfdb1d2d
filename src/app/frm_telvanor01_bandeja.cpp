#include "app/frm_telvanor01.h"

#include "app/bandeja.h"
#include "platform/bandeja/icone_notificacao.h"
#include "platform/bandeja/qt/bandeja.h"

#include <QCursor>

#include <string>

void frmTelvanor01::VaiParaBandeja() {
    if (!plataforma::BandejaDisponivel()) {
        showMinimized();
        return;
    }
    std::string adiciona = "ADICIONA";
    quelza::ÍconeBandeja(adiciona, Picture1, Picture1);
    hide();
}

void frmTelvanor01::TrazParaFrente() {
    if (isHidden())
        itmRestaurar_Click();
    else if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

// The tray icon reports its mouse message in place of X.
void frmTelvanor01::Form_MouseMove(int, int, float x, float) {
    const auto mensagem = static_cast<std::uint32_t>(x);
    if (mensagem == plataforma::WM_LBUTTONDBLCLK) {
        repaint();
        show();
        std::string deleta = "deleta";
        quelza::ÍconeBandeja(deleta, Picture1, Picture1);
    } else if (mensagem == plataforma::WM_RBUTTONUP) {
        itmRestaurar->setEnabled(true);
        QFont negrito = itmRestaurar->font();
        negrito.setBold(true);
        itmRestaurar->setFont(negrito);
        AbreMenuBandeja(QCursor::pos());
    }
}

void frmTelvanor01::itmRestaurar_Click() {
    show();
    std::string deleta = "deleta";
    quelza::ÍconeBandeja(deleta, Picture1, Picture1);
}
