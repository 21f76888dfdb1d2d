// The configuration dialog: six tabs over the settings, and "&OK", "&Cancelar" and "&Aplicar". It
// shows the module variables when it loads; "&Aplicar" stores the tab in front, and only that one,
// into the variables and their stores together. Each tab's controls, load and store live in a file
// of their own (frm_telvanor09_<tab>.cpp).
#pragma once

#include "controls/controles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>

#include <array>

class frmTelvanor09 : public QDialog {
public:
    // Builds the dialog and loads it from the module variables.
    explicit frmTelvanor09(QWidget* pai = nullptr);

    enum Aba { AbaAcesso, AbaEmail, AbaAgendamento, AbaSons, AbaNavegador, AbaSobre };

    QTabWidget* SSTab1;
    QPushButton* cmdOK;
    QPushButton* cmdCancelar;
    QPushButton* cmdAplicar;

    // Tab 0, "Acesso".
    QGroupBox* Frame5;
    QLabel* lblAcesso;
    QComboBox* cmbAcesso;
    QLabel* lblUsuário;
    QLineEdit* txtUsuário;
    QLabel* lblSenha;
    QLineEdit* txtSenha;
    QLabel* lblLinha;
    QComboBox* cmbLinha; // "Linha simulada" or "NetworkManager"
    Imagem* imgCriaDialUp;
    QLabel* Label14;
    Imagem* imgAtualizar;
    std::array<Figura, 2> imgDialUp;     // released, pressed
    std::array<Figura, 2> imgAtualizar2; // pressed, released
    QMenu* mnu;
    QMenu* itmOrvalia;
    QMenu* itmLum;
    QMenu* itmTavora;
    QAction* itmOTR;
    QAction* itmONTR;
    QAction* itmLTR;
    QAction* itmLNTR;
    QAction* itmTTR;
    QAction* itmTNTR;
    QAction* itmCancelar;

    // Tab 1, "Verificar Email".
    QLabel* Label1;
    QListWidget* List1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* cmdVerificar;
    QCheckBox* chkChecarPop3;
    QCheckBox* chkAvisar;
    QLabel* Label3;
    QLineEdit* txtSegundos;
    QLabel* Label4;
    QCheckBox* chkSempre;
    QLineEdit* txtMinutos;
    QLabel* Label2;

    // Tab 2, "Agendamento".
    QGroupBox* Frame1;
    QCheckBox* Check5;
    QLabel* Label9;
    QTimeEdit* DTPicker1;
    QLabel* Label8;
    QLineEdit* Text2;
    QPushButton* cmdLocalizar;
    QGroupBox* Frame2;
    QCheckBox* Check2;
    QLabel* Label7;
    QTimeEdit* DTPicker2;
    QCheckBox* Check3;
    QCheckBox* Check4;

    // Tab 3, "Sons".
    QGroupBox* Frame3;
    QCheckBox* chkSom;
    QCheckBox* chkIniciando;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QCheckBox* chkSomFechando;
    QCheckBox* chkSomTemEmail;
    QCheckBox* chkSomConectado;
    QCheckBox* chkSomDesconectado;
    std::array<QLineEdit*, 7> txtSom;
    std::array<QPushButton*, 7> cmdProcurarSom;

    // Tab 4, "Internet Explorer".
    QGroupBox* Frame4;
    QCheckBox* chkIniIE;
    std::array<QRadioButton*, 3> opcInicial;
    QLabel* Label10;
    QLineEdit* txtPáginaInicial;
    QCheckBox* chkTravaPáginaInicial;

    // Tab 5, "e-Telvanor".
    QLabel* lbleTelvanor;
    QLabel* Label6;
    Imagem* lblEMail;
    Imagem* Label5;
    QLabel* Image1;
    QCheckBox* chkIniciarComWindows;

    void Form_Load();
    // False when the tab in front was refused (see GravaAbaAcesso).
    bool cmdAplicar_Click();
    void cmdOK_Click();
    void cmdCancelar_Click();

    // Tab 0 and the phonebook buttons.
    void imgCriaDialUp_Click();
    void imgAtualizar_Click();
    // Tab 1 and the account list.
    void Command1_Click();
    void Command2_Click();
    void List1_DblClick();
    void cmdVerificar_Click();
    void chkSempre_Click();
    // Tab 2.
    void Check5_Click();
    void Check2_Click();
    void cmdLocalizar_Click();
    // Tab 3.
    void chkIniciando_Click();
    void chkSomEvento_Click(int indice); // 3 to 6: the event sound of txtSom(indice)
    void cmdProcurarSom_Click(int Index);
    // Tab 4.
    void opcInicial_Click(int Index);
    // Tab 5.
    void lblEMail_Click();
    void Label5_Click();

    // The control the keyboard starts on when the dialog opens on `aba`.
    QWidget* PrimeiroControle(int aba) const;

    // Loads the dialog with the tab `aba` in front and shows it modally.
    static int MostraNaAba(int aba);

private:
    QWidget* CriaAbaAcesso();
    QWidget* CriaAbaEmail();
    QWidget* CriaAbaAgendamento();
    QWidget* CriaAbaSons();
    QWidget* CriaAbaNavegador();
    QWidget* CriaAbaSobre();

    void CarregaAbaAcesso();
    void CarregaAbaEmail();
    void CarregaAbaAgendamento();
    void CarregaAbaSons();
    void CarregaContas();
    void CarregaAbaNavegador();
    void CarregaAbaSobre();

    // False when a field could not be stored as typed: nothing of the tab is stored then.
    bool GravaAbaAcesso();
    void GravaAbaEmail();
    void GravaAbaAgendamento();
    void GravaAbaSons();
    void GravaAbaNavegador();
    void GravaAbaSobre();

    void PreencheEntradas();
    void PreencheList1();
    // The check boxes of txtSom(3) to txtSom(6).
    std::array<QCheckBox*, 4> ChecksEventos() const;
    void MostraConta(QDialog& conta);
};
