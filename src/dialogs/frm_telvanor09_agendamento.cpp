// Tab 2, "Agendamento": the scheduled connection with the program it starts, and the scheduled
// disconnection.
#include "dialogs/frm_telvanor04.h"
#include "dialogs/frm_telvanor09.h"
#include "platform/interface/qt/mensagens.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QTime ParaQt(HoraDoDia hora) { return QTime(hora.Horas(), hora.Minutos(), hora.Segundos()); }

// The picker's time of day: the date is dropped and the seconds stay.
HoraDoDia DoSeletor(const QTimeEdit* seletor) {
    const QTime t = seletor->time();
    return HoraDoDia::De(t.hour(), t.minute(), t.second());
}

QTimeEdit* SeletorHora(QWidget* pai) {
    auto* seletor = new QTimeEdit(pai);
    seletor->setDisplayFormat(QStringLiteral("HH:mm"));
    return seletor;
}

std::int16_t Valor(const QCheckBox* caixa) { return caixa->isChecked() ? 1 : 0; }

} // namespace

QWidget* frmTelvanor09::CriaAbaAgendamento() {
    auto* aba = new QWidget;
    Frame1 = new QGroupBox(aba);
    Check5 = new QCheckBox(QString::fromUtf8("Agendar Conexão"), Frame1);
    Label9 = new QLabel(QString::fromUtf8("Hora da Conexão"), Frame1);
    DTPicker1 = SeletorHora(Frame1);
    Label8 = new QLabel(QStringLiteral("Iniciar Aplicativo"), Frame1);
    Text2 = new QLineEdit(Frame1);
    cmdLocalizar = new QPushButton(QStringLiteral("Localizar"), Frame1);
    Label9->setBuddy(DTPicker1);
    Label8->setBuddy(Text2);

    Frame2 = new QGroupBox(aba);
    Check2 = new QCheckBox(QString::fromUtf8("Agendar Desconexão"), Frame2);
    Label7 = new QLabel(QString::fromUtf8("Hora da Desconexão"), Frame2);
    DTPicker2 = SeletorHora(Frame2);
    Check3 = new QCheckBox(QStringLiteral("Desligar o Computador"), Frame2);
    Check4 = new QCheckBox(QString::fromUtf8("Não deixar agendado"), Frame2);
    Label7->setBuddy(DTPicker2);

    connect(Check5, &QCheckBox::clicked, this, [this] { Check5_Click(); });
    connect(Check2, &QCheckBox::clicked, this, [this] { Check2_Click(); });
    connect(cmdLocalizar, &QPushButton::clicked, this, [this] { cmdLocalizar_Click(); });

    auto* conexao = new QGridLayout(Frame1);
    conexao->addWidget(Check5, 0, 0, 1, 3);
    conexao->addWidget(Label9, 1, 0);
    conexao->addWidget(DTPicker1, 1, 1, Qt::AlignLeft);
    conexao->addWidget(Label8, 2, 0);
    conexao->addWidget(Text2, 2, 1);
    conexao->addWidget(cmdLocalizar, 2, 2);
    conexao->setColumnStretch(1, 1);

    auto* desconexao = new QGridLayout(Frame2);
    desconexao->addWidget(Check2, 0, 0, 1, 2);
    desconexao->addWidget(Label7, 1, 0);
    desconexao->addWidget(DTPicker2, 1, 1, Qt::AlignLeft);
    desconexao->addWidget(Check3, 2, 0, 1, 2);
    desconexao->addWidget(Check4, 3, 0, 1, 2);
    desconexao->setColumnStretch(1, 1);
    // The labels of both frames line up.
    const int rotulo = std::max(Label9->sizeHint().width(), Label7->sizeHint().width());
    conexao->setColumnMinimumWidth(0, rotulo);
    desconexao->setColumnMinimumWidth(0, rotulo);

    auto* layout = new QVBoxLayout(aba);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addStretch();
    return aba;
}

void frmTelvanor09::CarregaAbaAgendamento() {
    Check5->setChecked(quelza::AgendarConexão != 0);
    DTPicker1->setTime(ParaQt(quelza::HoraConexão));
    Text2->setText(QString::fromStdString(quelza::ProgramaExecutar));
    Check2->setChecked(quelza::AgendarDesconexão != 0);
    DTPicker2->setTime(ParaQt(quelza::HoraDesconexão));
    Check4->setChecked(quelza::NãoDeixarAgendado != 0);
    Check3->setChecked(quelza::DesligarComputador != 0);
    Check5_Click();
    Check2_Click();
}

void frmTelvanor09::Check5_Click() {
    for (QWidget* controle : std::initializer_list<QWidget*>{DTPicker1, Text2, cmdLocalizar})
        controle->setEnabled(Check5->isChecked());
}

void frmTelvanor09::Check2_Click() {
    for (QWidget* controle : std::initializer_list<QWidget*>{DTPicker2, Check4, Check3})
        controle->setEnabled(Check2->isChecked());
}

void frmTelvanor09::cmdLocalizar_Click() {
    frmTelvanor04 seletor(Text2, this);
    plataforma::MostraModal(seletor);
}

void frmTelvanor09::GravaAbaAgendamento() {
    quelza::AgendarConexão = Valor(Check5);
    quelza::HoraConexão = DoSeletor(DTPicker1);
    quelza::ProgramaExecutar = Text2->text().toStdString();
    quelza::AgendarDesconexão = Valor(Check2);
    quelza::HoraDesconexão = DoSeletor(DTPicker2);
    quelza::NãoDeixarAgendado = Valor(Check4);
    quelza::DesligarComputador = Valor(Check3);

    using namespace quelza::tabela;
    quelza::GravaConfiguracoes({&AgendarConexão, &HoraConexão, &ProgramaExecutar, &AgendarDesconexão,
                                &HoraDesconexão, &NãoDeixarAgendado, &DesligarComputador});
}
