// The configuration dialog: six tabs and the OK, Cancel and Apply buttons.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

class frmTelvanor09 : public QDialog {
public:
    explicit frmTelvanor09(QWidget* pai = nullptr);

    QTabWidget* SSTab1;
    QPushButton* cmdOK;
    QPushButton* cmdCancelar;
    QPushButton* cmdAplicar;

    // Loads the dialog with the tab `aba` in front and shows it modally.
    static int MostraNaAba(int aba);
};
