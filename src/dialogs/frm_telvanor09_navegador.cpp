// Tab 4, "Internet Explorer": opening the browser on connecting, its start page and the lock on it.
#include "dialogs/desenvolvedor.h"
#include "dialogs/frm_telvanor09.h"
#include "settings/formas_texto.h"
#include "settings/navegador.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

QWidget* frmTelvanor09::CriaAbaNavegador() {
    auto* aba = new QWidget;
    Frame4 = new QGroupBox(QStringLiteral("Internet Explorer"), aba);
    chkIniIE = new QCheckBox(QStringLiteral("Inicia IE quando conectar"), Frame4);
    auto* grupo = new QButtonGroup(Frame4);
    const char* legendas[] = {"Padrão", "Manual", "Em Branco"};
    for (int i = 0; i < 3; ++i) {
        opcInicial[i] = new QRadioButton(QString::fromUtf8(legendas[i]), Frame4);
        grupo->addButton(opcInicial[i], i);
        connect(opcInicial[i], &QRadioButton::clicked, this, [this, i] { opcInicial_Click(i); });
    }
    Label10 = new QLabel(QString::fromUtf8("Página Inicial"), Frame4);
    txtPáginaInicial = new QLineEdit(Frame4);
    Label10->setBuddy(txtPáginaInicial);
    chkTravaPáginaInicial = new QCheckBox(QString::fromUtf8("Página Inicial Travada"), Frame4);

    auto* opcoes = new QHBoxLayout;
    for (QRadioButton* opcao : opcInicial)
        opcoes->addWidget(opcao);
    opcoes->addStretch();
    auto* grade = new QGridLayout(Frame4);
    grade->addWidget(chkIniIE, 0, 0, 1, 2);
    grade->addLayout(opcoes, 1, 0, 1, 2);
    grade->addWidget(Label10, 2, 0);
    grade->addWidget(txtPáginaInicial, 2, 1);
    grade->addWidget(chkTravaPáginaInicial, 3, 0, 1, 2);
    grade->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(aba);
    layout->addWidget(Frame4);
    layout->addStretch();
    return aba;
}

void frmTelvanor09::CarregaAbaNavegador() {
    // A lock that is not a number shows unchecked.
    chkTravaPáginaInicial->setChecked(quelza::ValorInteiro(quelza::PáginaTravada) != 0);
    txtPáginaInicial->setText(QString::fromStdString(quelza::PáginaInicial));
    txtPáginaInicial->setEnabled(true);
    chkIniIE->setChecked(quelza::IniciarIE != 0);
}

void frmTelvanor09::opcInicial_Click(int Index) {
    if (!opcInicial.at(Index)->isChecked())
        return;
    switch (Index) {
    case 0:
        txtPáginaInicial->setText(QString::fromUtf8(quelza::HomePageDesenvolvedor));
        txtPáginaInicial->setEnabled(false);
        break;
    case 1:
        txtPáginaInicial->setText(QString::fromStdString(quelza::PáginaInicial));
        txtPáginaInicial->setEnabled(true);
        break;
    default:
        txtPáginaInicial->setText(QStringLiteral("about:blank"));
        txtPáginaInicial->setEnabled(false);
        break;
    }
}

void frmTelvanor09::GravaAbaNavegador() {
    quelza::PáginaTravada = chkTravaPáginaInicial->isChecked() ? "1" : "0";
    quelza::PáginaInicial = quelza::SemBrancos(txtPáginaInicial->text().toStdString());
    quelza::AjustaNavegador();
    quelza::GravaConfiguracoes({&quelza::tabela::PáginaInicial, &quelza::tabela::PáginaTravada});
    quelza::IniciarIE = chkIniIE->isChecked() ? 1 : 0;
    quelza::GravaConfiguracao(quelza::tabela::IniciarIE);
}
