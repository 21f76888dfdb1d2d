#include "dialogs/frm_telvanor09.h"

#include "platform/qt/mensagens.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

frmTelvanor09::frmTelvanor09(QWidget* pai) : QDialog(pai) {
    setWindowTitle(QStringLiteral("Configurar"));
    SSTab1 = new QTabWidget(this);
    for (const char* titulo :
         {"Acesso", "Verificar Email", "Agendamento", "Sons", "Internet Explorer", "e-Telvanor"})
        SSTab1->addTab(new QWidget(SSTab1), QString::fromUtf8(titulo));
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cmdAplicar = new QPushButton(QStringLiteral("&Aplicar"), this);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdOK);
    botoes->addWidget(cmdCancelar);
    botoes->addWidget(cmdAplicar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(botoes);
}

int frmTelvanor09::MostraNaAba(int aba) {
    frmTelvanor09 dialogo;
    dialogo.SSTab1->setCurrentIndex(aba);
    return plataforma::MostraModal(dialogo);
}
