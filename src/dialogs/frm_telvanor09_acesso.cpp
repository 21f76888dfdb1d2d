// Tab 0, "Acesso": the phonebook entry, user and password, the line that dials them; the create
// button with its provider menu and the refresh button.
#include "app/frm_telvanor01.h"
#include "dialogs/frm_telvanor09.h"
#include "dialup/discagem.h"
#include "dialup/predefinicoes.h"
#include "platform/discagem/networkmanager/escolha_discagem.h"
#include "settings/campos_de_um_byte.h"
#include "settings/configuracao.h"
#include "settings/navegador.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

#include <QCursor>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// An image button's picture: the icon on a raised face, or on a sunken one and shifted when pressed.
Figura FiguraBotao(const QIcon& icone, bool pressionado) {
    constexpr int Lado = 36;
    QPixmap figura(Lado, Lado);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    const QColor claro(255, 255, 255), escuro(128, 128, 128);
    p.fillRect(0, 0, Lado, Lado, QColor(224, 224, 224));
    p.setPen(pressionado ? escuro : claro);
    p.drawLine(0, 0, Lado - 1, 0);
    p.drawLine(0, 0, 0, Lado - 1);
    p.setPen(pressionado ? claro : escuro);
    p.drawLine(Lado - 1, 0, Lado - 1, Lado - 1);
    p.drawLine(0, Lado - 1, Lado - 1, Lado - 1);
    const int deslocamento = pressionado ? 1 : 0;
    p.drawPixmap(6 + deslocamento, 6 + deslocamento, icone.pixmap(24, 24));
    return Figura::Nova(figura);
}

} // namespace

QWidget* frmTelvanor09::CriaAbaAcesso() {
    auto* aba = new QWidget;
    Frame5 = new QGroupBox(QStringLiteral("Configurar Acesso"), aba);
    lblAcesso = new QLabel(QStringLiteral("Acesso"), Frame5);
    cmbAcesso = new QComboBox(Frame5);
    cmbAcesso->setEditable(true);
    cmbAcesso->setInsertPolicy(QComboBox::NoInsert);
    cmbAcesso->setMinimumContentsLength(24);
    lblUsuário = new QLabel(QString::fromUtf8("Usuário"), Frame5);
    txtUsuário = new QLineEdit(Frame5);
    lblSenha = new QLabel(QStringLiteral("Senha"), Frame5);
    txtSenha = new QLineEdit(Frame5);
    txtSenha->setEchoMode(QLineEdit::Password);
    txtSenha->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    lblAcesso->setBuddy(cmbAcesso);
    lblUsuário->setBuddy(txtUsuário);
    lblSenha->setBuddy(txtSenha);
    lblLinha = new QLabel(QStringLiteral("Linha"), Frame5);
    cmbLinha = new QComboBox(Frame5);
    lblLinha->setBuddy(cmbLinha);

    imgDialUp = {FiguraBotao(style()->standardIcon(QStyle::SP_FileDialogNewFolder), false),
                 FiguraBotao(style()->standardIcon(QStyle::SP_FileDialogNewFolder), true)};
    imgAtualizar2 = {FiguraBotao(style()->standardIcon(QStyle::SP_BrowserReload), true),
                     FiguraBotao(style()->standardIcon(QStyle::SP_BrowserReload), false)};
    imgCriaDialUp = new Imagem(Frame5);
    imgCriaDialUp->DefinePicture(imgDialUp[0]);
    imgCriaDialUp->setFixedSize(36, 36);
    imgCriaDialUp->setCursor(Qt::PointingHandCursor);
    Label14 = new QLabel(QString::fromUtf8("Cria uma nova conexão Dial-Up"), Frame5);
    imgAtualizar = new Imagem(Frame5);
    imgAtualizar->DefinePicture(imgAtualizar2[1]);
    imgAtualizar->setFixedSize(36, 36);
    imgAtualizar->setCursor(Qt::PointingHandCursor);
    imgAtualizar->setToolTip(QString::fromUtf8("Atualiza conexões Dial-Up"));
    // The create button has no hint: it is named by the label beside it.
    imgCriaDialUp->setAccessibleName(Label14->text());
    imgCriaDialUp->AceitaTeclado();
    imgAtualizar->AceitaTeclado();

    imgCriaDialUp->Click = [this](int) { imgCriaDialUp_Click(); };
    imgCriaDialUp->MouseDown = [this](int, const EventoMouse&) {
        imgCriaDialUp->DefinePicture(imgDialUp[1]);
    };
    imgCriaDialUp->MouseUp = [this](int, const EventoMouse&) { imgCriaDialUp->DefinePicture(imgDialUp[0]); };
    imgAtualizar->Click = [this](int) { imgAtualizar_Click(); };
    imgAtualizar->MouseDown = [this](int, const EventoMouse&) {
        imgAtualizar->DefinePicture(imgAtualizar2[0]);
    };
    imgAtualizar->MouseUp = [this](int, const EventoMouse&) {
        imgAtualizar->DefinePicture(imgAtualizar2[1]);
    };

    mnu = new QMenu(QStringLiteral("mnu"), this);
    std::array<QMenu**, 3> submenus{&itmOrvalia, &itmLum, &itmTavora};
    std::array<std::array<QAction**, 2>, 3> itens{
        {{&itmOTR, &itmONTR}, {&itmLTR, &itmLNTR}, {&itmTTR, &itmTNTR}}};
    for (std::size_t p = 0; p < quelza::ProvedoresPredefinidos.size(); ++p) {
        const quelza::ProvedorPredefinido& provedor = quelza::ProvedoresPredefinidos[p];
        *submenus[p] = mnu->addMenu(QString::fromUtf8(provedor.legenda));
        (*submenus[p])->setObjectName(QString::fromUtf8(provedor.nome));
        for (std::size_t i = 0; i < provedor.itens.size(); ++i) {
            const quelza::ItemPredefinicao& item = provedor.itens[i];
            QAction* acao = (*submenus[p])->addAction(QString::fromUtf8(item.legenda));
            acao->setObjectName(QString::fromUtf8(item.nome));
            const std::string arquivo = item.arquivo;
            connect(acao, &QAction::triggered, this,
                    [arquivo] { quelza::CriaAcessoDialUp(arquivo, quelza::DiretórioSistema); });
            *itens[p][i] = acao;
        }
    }
    itmCancelar = mnu->addAction(QStringLiteral("Cancelar"));
    itmCancelar->setObjectName(QStringLiteral("itmCancelar"));
    mnu->setDefaultAction(itmCancelar);

    auto* campos = new QFormLayout;
    campos->addRow(lblAcesso, cmbAcesso);
    campos->addRow(lblUsuário, txtUsuário);
    campos->addRow(lblSenha, txtSenha);
    campos->addRow(lblLinha, cmbLinha);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(imgCriaDialUp);
    botoes->addWidget(Label14);
    botoes->addStretch();
    botoes->addWidget(imgAtualizar);
    auto* moldura = new QVBoxLayout(Frame5);
    moldura->addLayout(campos);
    moldura->addSpacing(6);
    moldura->addLayout(botoes);

    auto* layout = new QVBoxLayout(aba);
    layout->addWidget(Frame5);
    layout->addStretch();
    return aba;
}

void frmTelvanor09::PreencheEntradas() {
    cmbAcesso->clear();
    for (int i = 0; i < quelza::TotalEntradas; ++i)
        cmbAcesso->addItem(Q(quelza::NomesEntradas[i]));
}

void frmTelvanor09::CarregaAbaAcesso() {
    quelza::ListaEntradasDialUp();
    PreencheEntradas();
    cmbAcesso->setEditText(Q(quelza::AcessoDialUp));
    txtUsuário->setText(Q(quelza::UsuárioAcesso));
    txtSenha->setText(Q(quelza::SenhaAcesso));

    // A stored choice of NetworkManager stays on offer while it does not answer, so that storing this
    // tab for the entry or the password never turns it back to the simulated line unasked; the bus
    // is asked only when its answer decides what is offered.
    const bool networkManager = plataforma::nm::EscolheNetworkManager(quelza::Discagem);
    cmbLinha->clear();
    cmbLinha->addItem(QStringLiteral("Linha simulada"), QStringLiteral("simulada"));
    if (networkManager || plataforma::nm::NetworkManagerResponde())
        cmbLinha->addItem(QStringLiteral("NetworkManager"),
                          Q(std::string(plataforma::nm::ValorNetworkManager)));
    cmbLinha->setCurrentIndex(networkManager ? 1 : 0);
}

bool frmTelvanor09::GravaAbaAcesso() {
    const QString senha = txtSenha->text();
    if (!quelza::CamposDeUmByte({{"Acesso", cmbAcesso->currentText().toStdString()},
                                 {"Usuário", txtUsuário->text().toStdString()},
                                 {"Senha", senha.toStdString()}},
                                "O acesso não foi gravado."))
        return false;
    if (frmTelvanor01::Existe()) {
        frmTelvanor01& janela = frmTelvanor01::Atual();
        DefineCaption(janela.lblAcesso, cmbAcesso->currentText().toStdString());
        DefineCaption(janela.lblUsuário, txtUsuário->text().toStdString());
        DefineCaption(janela.lblSenha, std::string(senha.size(), '*'));
    }
    quelza::SalvaAcesso(cmbAcesso->currentText().toStdString(), txtUsuário->text().toStdString(),
                        senha.toStdString());
    quelza::Discagem = cmbLinha->currentData().toString().toStdString();
    quelza::GravaConfiguracao(quelza::tabela::Discagem);
    // Refused while a connection is up: the stored choice then waits for the next start.
    plataforma::nm::AplicaEscolhaDiscagem(quelza::Discagem);
    return true;
}

// Pressed from the keyboard, the menu opens below the button rather than where the mouse rests.
void frmTelvanor09::imgCriaDialUp_Click() {
    const QPoint onde = imgCriaDialUp->underMouse()
                            ? QCursor::pos()
                            : imgCriaDialUp->mapToGlobal(imgCriaDialUp->rect().bottomLeft());
    mnu->popup(onde, itmCancelar);
}

void frmTelvanor09::imgAtualizar_Click() {
    quelza::ListaEntradasDialUp();
    PreencheEntradas();
    quelza::DesligaDiscagemAutomatica();
    cmbAcesso->setEditText(Q(quelza::AcessoDialUp));
}
