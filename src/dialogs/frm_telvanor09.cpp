#include "dialogs/frm_telvanor09.h"

#include "platform/interface/qt/mensagens.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

frmTelvanor09::frmTelvanor09(QWidget* pai) : QDialog(pai) {
    setWindowTitle(QStringLiteral("Configurar"));
    SSTab1 = new QTabWidget(this);
    // Every tab's caption stays in sight: the dialog is as wide as the six of them.
    SSTab1->setUsesScrollButtons(false);
    SSTab1->addTab(CriaAbaAcesso(), QStringLiteral("Acesso"));
    SSTab1->addTab(CriaAbaEmail(), QStringLiteral("Verificar Email"));
    SSTab1->addTab(CriaAbaAgendamento(), QStringLiteral("Agendamento"));
    SSTab1->addTab(CriaAbaSons(), QStringLiteral("Sons"));
    SSTab1->addTab(CriaAbaNavegador(), QStringLiteral("Internet Explorer"));
    SSTab1->addTab(CriaAbaSobre(), QStringLiteral("e-Telvanor"));

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cmdAplicar = new QPushButton(QStringLiteral("&Aplicar"), this);
    // Enter anywhere in the dialog is "&OK"; Escape is "&Cancelar" (the dialog's own reject).
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancelar, &QPushButton::clicked, this, [this] { cmdCancelar_Click(); });
    connect(cmdAplicar, &QPushButton::clicked, this, [this] { cmdAplicar_Click(); });

    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(cmdOK, QDialogButtonBox::AcceptRole);
    botoes->addButton(cmdCancelar, QDialogButtonBox::RejectRole);
    botoes->addButton(cmdAplicar, QDialogButtonBox::ApplyRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addWidget(botoes);

    Form_Load();
}

void frmTelvanor09::Form_Load() {
    CarregaAbaAcesso();
    CarregaAbaEmail();
    CarregaAbaAgendamento();
    CarregaAbaSons();
    CarregaContas();
    CarregaAbaNavegador();
    CarregaAbaSobre();
}

bool frmTelvanor09::cmdAplicar_Click() {
    switch (SSTab1->currentIndex()) {
    case AbaAcesso:
        return GravaAbaAcesso();
    case AbaEmail:
        GravaAbaEmail();
        break;
    case AbaAgendamento:
        GravaAbaAgendamento();
        break;
    case AbaSons:
        GravaAbaSons();
        break;
    case AbaNavegador:
        GravaAbaNavegador();
        break;
    case AbaSobre:
        GravaAbaSobre();
        break;
    default:
        break;
    }
    return true;
}

void frmTelvanor09::cmdOK_Click() {
    // A tab that was refused stays in front, so that the field can be mended.
    if (cmdAplicar_Click())
        accept();
}

void frmTelvanor09::cmdCancelar_Click() { reject(); }

QWidget* frmTelvanor09::PrimeiroControle(int aba) const {
    switch (aba) {
    case AbaAcesso:
        return cmbAcesso;
    case AbaEmail:
        return List1;
    case AbaAgendamento:
        return Check5;
    case AbaSons:
        return chkSom;
    case AbaNavegador:
        return chkIniIE;
    case AbaSobre:
        return chkIniciarComWindows;
    default:
        return SSTab1;
    }
}

int frmTelvanor09::MostraNaAba(int aba) {
    frmTelvanor09 dialogo;
    dialogo.SSTab1->setCurrentIndex(aba);
    dialogo.PrimeiroControle(aba)->setFocus();
    return plataforma::MostraModal(dialogo);
}
