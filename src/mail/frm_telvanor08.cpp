#include "mail/frm_telvanor08.h"

#include "mail/lista_contas.h"
#include "platform/interface/qt/mensagens.h"
#include "settings/campos_de_um_byte.h"
#include "settings/formas_texto.h"
#include "settings/quelza.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace {

std::string Texto(const QLineEdit* caixa) { return quelza::SemBrancos(caixa->text().toStdString()); }

} // namespace

frmTelvanor08::frmTelvanor08(QWidget* pai) : QDialog(pai) {
    setWindowTitle(QString::fromUtf8("Configuração de E-mail"));
    txtNomeDaConta = new QLineEdit(this);
    txtPop3 = new QLineEdit(this);
    txtUsuário = new QLineEdit(this);
    txtSenha = new QLineEdit(this);
    txtSenha->setEchoMode(QLineEdit::Password);
    // The password shows as '*' whatever the style's own mask character is.
    txtSenha->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    lblNomeDaConta = new QLabel(QStringLiteral("&Nome"), this);
    lblPop3 = new QLabel(QStringLiteral("Servidor &Pop3"), this);
    lblUsuário = new QLabel(QString::fromUtf8("&Usuário"), this);
    lblSenha = new QLabel(QStringLiteral("&Senha"), this);
    // The forms the server box takes; the check reads them (see servidor_pop3.h).
    txtPop3->setPlaceholderText(QStringLiteral("pop.exemplo.com.br ou imaps://imap.exemplo.com.br"));
    txtPop3->setToolTip(QString::fromUtf8(
        "POP3: servidor (porta 110), servidor:porta, pop3://servidor[:porta] ou pop3s://servidor[:porta] "
        "(TLS, porta 995)\nIMAP: imap://servidor[:porta] (porta 143, com STARTTLS quando o servidor "
        "oferece) ou imaps://servidor[:porta] (TLS, porta 993)\nEndereços IPv6 entre colchetes: [::1]:110"));
    lblNomeDaConta->setBuddy(txtNomeDaConta);
    lblPop3->setBuddy(txtPop3);
    lblUsuário->setBuddy(txtUsuário);
    lblSenha->setBuddy(txtSenha);

    auto* campos = new QFormLayout;
    campos->addRow(lblNomeDaConta, txtNomeDaConta);
    campos->addRow(lblPop3, txtPop3);
    campos->addRow(lblUsuário, txtUsuário);
    campos->addRow(lblSenha, txtSenha);

    Command1 = new QPushButton(QStringLiteral("&Adcionar"), this);
    Command2 = new QPushButton(QStringLiteral("&Cancelar"), this);
    Command1->setDefault(true);
    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(Command1, QDialogButtonBox::AcceptRole);
    botoes->addButton(Command2, QDialogButtonBox::RejectRole);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addWidget(botoes);
    txtNomeDaConta->setMinimumWidth(txtNomeDaConta->fontMetrics().averageCharWidth() * 32);
}

void frmTelvanor08::Command1_Click() {
    for (QLineEdit* caixa : {txtNomeDaConta, txtPop3, txtUsuário, txtSenha}) {
        if (Texto(caixa).empty()) {
            caixa->setFocus();
            return;
        }
    }
    const ContaEmail conta{Texto(txtNomeDaConta), Texto(txtPop3), Texto(txtUsuário), Texto(txtSenha)};
    if (!quelza::CamposDeUmByte({{"Nome", conta.NomeDaConta},
                                 {"Servidor Pop3", conta.Pop3},
                                 {"Usuário", conta.Usuário},
                                 {"Senha", conta.Senha}},
                                "A conta não foi gravada."))
        return;
    if (const auto existente = quelza::ContaDeMesmoNome(conta.NomeDaConta)) {
        const int resposta = plataforma::MsgBox(
            std::string("Já existe uma conta com este nome.") + '\r' + "Deseja Sobregravar?",
            plataforma::vbYesNo | plataforma::vbExclamation, quelza::TituloAplicacao);
        if (resposta == plataforma::vbNo) {
            txtNomeDaConta->setFocus();
            return;
        }
        quelza::SubstituiConta(*existente, conta);
    } else {
        quelza::AdicionaConta(conta);
    }
    accept();
}
