// The account dialog: title, server, user and password of one mail account; "&Adcionar" saves it
// into the account list (asking before overwriting an account of the same title) and closes.
#pragma once

#include "settings/conta_email.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class frmTelvanor08 : public QDialog {
public:
    explicit frmTelvanor08(QWidget* pai = nullptr);

    QLabel* lblNomeDaConta;
    QLineEdit* txtNomeDaConta;
    QLabel* lblPop3;
    QLineEdit* txtPop3;
    QLabel* lblUsuário;
    QLineEdit* txtUsuário;
    QLabel* lblSenha;
    QLineEdit* txtSenha;
    QPushButton* Command1;
    QPushButton* Command2;

    // Saves and, when saved, closes the dialog.
    void Command1_Click();
};
