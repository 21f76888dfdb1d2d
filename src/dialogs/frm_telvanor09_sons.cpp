// Tab 3, "Sons": sounds on or off, the three greetings and the four event cues, each with its file.
#include "dialogs/frm_telvanor02.h"
#include "dialogs/frm_telvanor09.h"
#include "platform/interface/qt/mensagens.h"
#include "settings/formas_texto.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

#include <QGridLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The settings of txtSom(0) to txtSom(6).
constexpr std::array<const quelza::LinhaConfiguracao*, 7> Sons{
    &quelza::tabela::SomBomDia,      &quelza::tabela::SomBoaTarde, &quelza::tabela::SomBoaNoite,
    &quelza::tabela::SomFinalizando, &quelza::tabela::SomTemEmail, &quelza::tabela::SomConectado,
    &quelza::tabela::SomDesconectado};

std::string& Caminho(int indice) {
    return quelza::variaveis.*std::get<std::string quelza::Variaveis::*>(Sons.at(indice)->variavel);
}

constexpr int PrimeiroEvento = 3;

} // namespace

std::array<QCheckBox*, 4> frmTelvanor09::ChecksEventos() const {
    return {chkSomFechando, chkSomTemEmail, chkSomConectado, chkSomDesconectado};
}

QWidget* frmTelvanor09::CriaAbaSons() {
    auto* aba = new QWidget;
    Frame3 = new QGroupBox(aba);
    chkSom = new QCheckBox(QStringLiteral("Emitir Som"), Frame3);
    chkIniciando = new QCheckBox(QStringLiteral("Iniciando"), Frame3);
    Label11 = new QLabel(QStringLiteral("Bom Dia"), Frame3);
    Label12 = new QLabel(QStringLiteral("Boa Tarde"), Frame3);
    Label13 = new QLabel(QStringLiteral("Boa Noite"), Frame3);
    chkSomFechando = new QCheckBox(QStringLiteral("Finalizando"), Frame3);
    chkSomTemEmail = new QCheckBox(QStringLiteral("Tem E-mail"), Frame3);
    chkSomConectado = new QCheckBox(QStringLiteral("Conectado"), Frame3);
    chkSomDesconectado = new QCheckBox(QStringLiteral("Desconectado"), Frame3);

    const std::array<QWidget*, 7> rotulos{Label11,        Label12,         Label13,           chkSomFechando,
                                          chkSomTemEmail, chkSomConectado, chkSomDesconectado};
    auto* grade = new QGridLayout(Frame3);
    grade->addWidget(chkSom, 0, 0, 1, 3);
    grade->addWidget(chkIniciando, 1, 0, 1, 3);
    const int recuo = 2 * chkSom->style()->pixelMetric(QStyle::PM_IndicatorWidth);
    for (int i = 0; i < 7; ++i) {
        txtSom[i] = new QLineEdit(Frame3);
        cmdProcurarSom[i] = new QPushButton(QStringLiteral("..."), Frame3);
        cmdProcurarSom[i]->setFixedWidth(
            cmdProcurarSom[i]->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
        cmdProcurarSom[i]->setToolTip(QStringLiteral("Localizar Som"));
        if (auto* rotulo = qobject_cast<QLabel*>(rotulos[i]))
            rotulo->setBuddy(txtSom[i]);
        // The greetings sit under "Iniciando"; a blank row separates the event cues.
        const int linha = i < PrimeiroEvento ? 2 + i : 3 + i;
        auto* celula = new QHBoxLayout;
        if (i < PrimeiroEvento)
            celula->addSpacing(recuo);
        celula->addWidget(rotulos[i]);
        grade->addLayout(celula, linha, 0);
        grade->addWidget(txtSom[i], linha, 1);
        grade->addWidget(cmdProcurarSom[i], linha, 2);
        connect(cmdProcurarSom[i], &QPushButton::clicked, this, [this, i] { cmdProcurarSom_Click(i); });
    }
    grade->setRowMinimumHeight(2 + PrimeiroEvento, 8);
    grade->setColumnStretch(1, 1);
    txtSom[0]->setMinimumWidth(txtSom[0]->fontMetrics().averageCharWidth() * 40);
    // Tab goes row by row: each event's check box, then its file and its browse button.
    QWidget* anterior = chkIniciando;
    for (int i = 0; i < 7; ++i) {
        for (QWidget* proximo : {i < PrimeiroEvento ? nullptr : rotulos[i], static_cast<QWidget*>(txtSom[i]),
                                 static_cast<QWidget*>(cmdProcurarSom[i])}) {
            if (!proximo)
                continue;
            setTabOrder(anterior, proximo);
            anterior = proximo;
        }
    }

    connect(chkIniciando, &QCheckBox::clicked, this, [this] { chkIniciando_Click(); });
    const std::array<QCheckBox*, 4> eventos = ChecksEventos();
    for (int i = 0; i < 4; ++i)
        connect(eventos[i], &QCheckBox::clicked, this, [this, i] { chkSomEvento_Click(PrimeiroEvento + i); });

    auto* layout = new QVBoxLayout(aba);
    layout->addWidget(Frame3);
    layout->addStretch();
    return aba;
}

void frmTelvanor09::CarregaAbaSons() {
    chkSom->setChecked(quelza::SomLigado != 0);
    chkIniciando->setChecked(quelza::SomIniciando != 0);
    for (int i = 0; i < PrimeiroEvento; ++i)
        txtSom[i]->setText(quelza::SomIniciando == 1 ? QString::fromStdString(Caminho(i)) : QString());
    const std::array<QCheckBox*, 4> eventos = ChecksEventos();
    for (int i = PrimeiroEvento; i < 7; ++i) {
        const bool ligado = !quelza::SemBrancos(Caminho(i)).empty();
        eventos[i - PrimeiroEvento]->setChecked(ligado);
        txtSom[i]->setText(ligado ? QString::fromStdString(Caminho(i)) : QString());
    }
}

void frmTelvanor09::chkIniciando_Click() {
    const bool ligado = chkIniciando->isChecked();
    for (int i = 0; i < PrimeiroEvento; ++i) {
        txtSom[i]->setText(ligado ? QString::fromStdString(Caminho(i)) : QString());
        txtSom[i]->setEnabled(ligado);
    }
}

void frmTelvanor09::chkSomEvento_Click(int indice) {
    const std::array<QCheckBox*, 4> eventos = ChecksEventos();
    const bool ligado = eventos.at(indice - PrimeiroEvento)->isChecked();
    txtSom.at(indice)->setText(ligado ? QString::fromStdString(Caminho(indice)) : QString());
    txtSom[indice]->setEnabled(ligado);
}

void frmTelvanor09::cmdProcurarSom_Click(int Index) {
    frmTelvanor02 seletor(txtSom, this);
    seletor.Tag = QString::number(Index);
    plataforma::MostraModal(seletor);
}

void frmTelvanor09::GravaAbaSons() {
    quelza::SomLigado = chkSom->isChecked() ? 1 : 0;
    quelza::SomIniciando = chkIniciando->isChecked() ? 1 : 0;
    for (int i = 0; i < 7; ++i)
        Caminho(i) = quelza::SemBrancos(txtSom[i]->text().toStdString());

    std::vector<const quelza::LinhaConfiguracao*> linhas{&quelza::tabela::SomLigado,
                                                         &quelza::tabela::SomIniciando};
    linhas.insert(linhas.end(), Sons.begin(), Sons.end());
    quelza::GravaConfiguracoes(linhas);
}
