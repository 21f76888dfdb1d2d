// Tab 1, "Verificar Email": the account list with its buttons, the check on demand, and when and
// how long the mail check waits.
#include "app/frm_telvanor01.h"
#include "dialogs/enter_na_lista.h"
#include "dialogs/frm_telvanor09.h"
#include "mail/contas_email.h"
#include "mail/frm_telvanor08.h"
#include "mail/lista_contas.h"
#include "platform/interface/qt/mensagens.h"
#include "settings/configuracao.h"
#include "settings/formas_texto.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

namespace {

// Whole numbers from `minimo` to 32767, refused as they are typed otherwise; an empty box is
// allowed while editing and put back on storing.
class ValidadorNumero : public QValidator {
public:
    ValidadorNumero(int minimo, QObject* dono) : QValidator(dono), minimo_(minimo) {}
    State validate(QString& texto, int&) const override {
        if (texto.isEmpty())
            return Acceptable;
        bool numero = false;
        const int valor = texto.toInt(&numero);
        const bool soDigitos = std::all_of(texto.begin(), texto.end(), [](QChar c) { return c.isDigit(); });
        return soDigitos && numero && valor >= minimo_ && valor <= 32767 ? Acceptable : Invalid;
    }

private:
    int minimo_;
};

QString Numero(std::int64_t n) { return QString::fromStdString(quelza::NumeroSimples(n)); }

// A period of 0 minutes would never fire: with the box checked the period is at least one minute.
std::int16_t PeriodoEmVigor() { return std::max<std::int16_t>(quelza::ChecarPeriodicamente, 1); }

// The box's number, or the value in effect (written back into the box) when it is empty.
std::int16_t NumeroDaCaixa(QLineEdit* caixa, std::int16_t emVigor) {
    if (caixa->text().isEmpty())
        caixa->setText(Numero(emVigor));
    return quelza::LeNumero<std::int16_t>(caixa->text().toStdString());
}

} // namespace

QWidget* frmTelvanor09::CriaAbaEmail() {
    auto* aba = new QWidget;
    Label1 = new QLabel(QString::fromUtf8("Nome da Conta / Usuário / Servidor"), aba);
    List1 = new QListWidget(aba);
    Label1->setBuddy(List1);
    Command1 = new QPushButton(QStringLiteral("Adicionar"), aba);
    Command2 = new QPushButton(QStringLiteral("Remover"), aba);
    cmdVerificar = new QPushButton(QStringLiteral("Verificar"), aba);
    chkChecarPop3 = new QCheckBox(QStringLiteral("Checar ao conectar"), aba);
    chkAvisar = new QCheckBox(QString::fromUtf8("Avisar na área de trabalho"), aba);
    Label3 = new QLabel(QStringLiteral("Tempo de Espera do Servidor"), aba);
    txtSegundos = new QLineEdit(aba);
    Label4 = new QLabel(QStringLiteral("seg"), aba);
    chkSempre = new QCheckBox(QStringLiteral("Checar Periodicamente"), aba);
    txtMinutos = new QLineEdit(aba);
    Label2 = new QLabel(QStringLiteral("min"), aba);
    Label3->setBuddy(txtSegundos);
    txtSegundos->setValidator(new ValidadorNumero(0, txtSegundos));
    txtMinutos->setValidator(new ValidadorNumero(1, txtMinutos));
    txtMinutos->setToolTip(QStringLiteral("De 1 a 32767 minutos entre as verificações"));
    for (QLineEdit* caixa : {txtSegundos, txtMinutos}) {
        caixa->setAlignment(Qt::AlignRight);
        caixa->setFixedWidth(caixa->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    }

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
    EnterNaLista(List1, [this] { List1_DblClick(); });
    connect(cmdVerificar, &QPushButton::clicked, this, [this] { cmdVerificar_Click(); });
    connect(chkSempre, &QCheckBox::clicked, this, [this] { chkSempre_Click(); });

    auto* botoesLista = new QVBoxLayout;
    botoesLista->addWidget(Command1);
    botoesLista->addWidget(Command2);
    botoesLista->addStretch();
    botoesLista->addWidget(cmdVerificar);
    auto* lista = new QGridLayout;
    lista->addWidget(Label1, 0, 0);
    lista->addWidget(List1, 1, 0);
    lista->addLayout(botoesLista, 1, 1);

    auto* espera = new QHBoxLayout;
    espera->addWidget(Label3);
    espera->addWidget(txtSegundos);
    espera->addWidget(Label4);
    espera->addStretch();
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(chkSempre);
    periodo->addWidget(txtMinutos);
    periodo->addWidget(Label2);
    periodo->addStretch();

    auto* layout = new QVBoxLayout(aba);
    layout->addLayout(lista, 1);
    layout->addWidget(chkChecarPop3);
    layout->addWidget(chkAvisar);
    layout->addLayout(espera);
    layout->addLayout(periodo);
    return aba;
}

void frmTelvanor09::CarregaAbaEmail() {
    chkChecarPop3->setChecked(quelza::ChecarAoConectar == 1);
    chkAvisar->setChecked(quelza::AvisarNovoEmail == 1);
    txtSegundos->setText(Numero(quelza::TempoDeEspera));
    if (quelza::ChecarPeriodicamente < 1) {
        chkSempre->setChecked(false);
        txtMinutos->setEnabled(false);
    } else {
        chkSempre->setChecked(true);
        txtMinutos->setText(Numero(quelza::ChecarPeriodicamente));
        txtMinutos->setEnabled(true);
    }
}

void frmTelvanor09::CarregaContas() {
    quelza::CarregaContasEmail(quelza::AplicacaoConfiguracoes, quelza::SecaoContasEmail);
    PreencheList1();
}

void frmTelvanor09::PreencheList1() {
    List1->clear();
    for (const std::string& linha : quelza::LinhasContas())
        List1->addItem(QString::fromStdString(linha));
}

void frmTelvanor09::GravaAbaEmail() {
    quelza::ChecarAoConectar = chkChecarPop3->isChecked() ? 1 : 0;
    quelza::AvisarNovoEmail = chkAvisar->isChecked() ? 1 : 0;
    quelza::TempoDeEspera = NumeroDaCaixa(txtSegundos, quelza::TempoDeEspera);
    const bool periodico = chkSempre->isChecked();
    quelza::ChecarPeriodicamente = periodico ? NumeroDaCaixa(txtMinutos, PeriodoEmVigor()) : 0;
    if (frmTelvanor01::Existe())
        frmTelvanor01::Atual().tmrEmail.Enabled(periodico);

    using namespace quelza::tabela;
    quelza::GravaConfiguracoes({&ChecarAoConectar, &TempoDeEspera, &ChecarPeriodicamente, &AvisarNovoEmail});
}

void frmTelvanor09::MostraConta(QDialog& conta) {
    plataforma::MostraModal(conta);
    // The account dialog changed the list in memory and in the store; the lines follow it.
    PreencheList1();
}

void frmTelvanor09::Command1_Click() {
    frmTelvanor08 conta(this);
    MostraConta(conta);
}

void frmTelvanor09::Command2_Click() {
    // A line stands for the account at its position, whatever its title, user or server hold.
    const int linha = List1->currentRow();
    if (linha < 0 || !List1->currentItem()->isSelected() || !quelza::TemContasEmail ||
        linha >= static_cast<int>(quelza::ContasEmail.size()))
        return;
    quelza::RemoveConta(static_cast<std::size_t>(linha));
    PreencheList1();
}

void frmTelvanor09::List1_DblClick() {
    const int linha = List1->currentRow();
    if (linha < 0 || !quelza::TemContasEmail || linha >= static_cast<int>(quelza::ContasEmail.size()))
        return;
    const ContaEmail& atual = quelza::ContasEmail[static_cast<std::size_t>(linha)];
    frmTelvanor08 conta(this);
    conta.txtNomeDaConta->setText(QString::fromStdString(atual.NomeDaConta));
    conta.txtUsuário->setText(QString::fromStdString(atual.Usuário));
    conta.txtPop3->setText(QString::fromStdString(atual.Pop3));
    MostraConta(conta);
}

void frmTelvanor09::cmdVerificar_Click() {
    quelza::ChecarAoConectar = 1;
    quelza::EmailVerificado = 0;
}

void frmTelvanor09::chkSempre_Click() {
    if (!chkSempre->isChecked()) {
        txtMinutos->setEnabled(false);
        return;
    }
    txtMinutos->setText(Numero(PeriodoEmVigor()));
    txtMinutos->setEnabled(true);
}
