// Tab 5, "e-Telvanor": the program's name, its author's links and starting with the session.
#include "app/desenvolvedor.h"
#include "dialogs/frm_telvanor09.h"
#include "platform/arquivos/pastas.h"
#include "platform/figuras/qt/figuras_embutidas.h"
#include "platform/shell/qt/shell.h"
#include "settings/formas_texto.h"
#include "settings/padroes_iniciais.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {

// A label that opens what it shows, drawn as a link.
Imagem* Link(QWidget* pai, const QString& texto, const QString& dica) {
    auto* link = new Imagem(pai);
    link->setScaledContents(false);
    link->setText(texto);
    link->setToolTip(dica);
    link->setCursor(Qt::PointingHandCursor);
    link->AceitaTeclado();
    QFont fonte = link->font();
    fonte.setUnderline(true);
    link->setFont(fonte);
    QPalette cores = link->palette();
    cores.setColor(QPalette::WindowText, cores.color(QPalette::Link));
    link->setPalette(cores);
    return link;
}

void Abre(const std::string& alvo) {
    plataforma::ShellExecuteA(0, "Open", alvo.c_str(), "", plataforma::PastaPrograma().c_str(),
                              plataforma::SW_SHOWNORMAL);
}

} // namespace

QWidget* frmTelvanor09::CriaAbaSobre() {
    auto* aba = new QWidget;
    Image1 = new QLabel(aba);
    Image1->setPixmap(QPixmap::fromImage(plataforma::FiguraEmbutidaDe(u"icone-aceso.png"))
                          .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    lbleTelvanor = new QLabel(QString::fromUtf8(quelza::TituloAplicacao), aba);
    QFont titulo = lbleTelvanor->font();
    titulo.setBold(true);
    titulo.setPointSizeF(titulo.pointSizeF() * 1.4);
    lbleTelvanor->setFont(titulo);
    Label6 = new QLabel(QString::fromUtf8("Programação: equipe e-Telvanor"), aba);
    lblEMail = Link(aba, QString::fromUtf8(quelza::EmailDesenvolvedor),
                    QString::fromUtf8("E-Mail do Desenvolvedor deste Telvanor"));
    Label5 = Link(aba, QString::fromUtf8(quelza::HomePageDesenvolvedor), QStringLiteral("Home Page"));
    chkIniciarComWindows = new QCheckBox(QStringLiteral("Iniciar com o Windows"), aba);
    lblEMail->Click = [this](int) { lblEMail_Click(); };
    Label5->Click = [this](int) { Label5_Click(); };

    auto* grade = new QGridLayout;
    grade->addWidget(Image1, 0, 0, 4, 1, Qt::AlignTop);
    grade->addWidget(lbleTelvanor, 0, 1);
    grade->addWidget(Label6, 1, 1);
    grade->addWidget(lblEMail, 2, 1, Qt::AlignLeft);
    grade->addWidget(Label5, 3, 1, Qt::AlignLeft);
    grade->setColumnStretch(1, 1);
    grade->setHorizontalSpacing(16);

    auto* layout = new QVBoxLayout(aba);
    layout->addLayout(grade);
    layout->addStretch();
    layout->addWidget(chkIniciarComWindows);
    return aba;
}

void frmTelvanor09::CarregaAbaSobre() {
    chkIniciarComWindows->setChecked(quelza::ValorInteiro(quelza::IniciarComWindows) == 1);
}

void frmTelvanor09::lblEMail_Click() { Abre("mailto:" + lblEMail->text().toStdString()); }

void frmTelvanor09::Label5_Click() { Abre(Label5->text().toStdString()); }

void frmTelvanor09::GravaAbaSobre() {
    quelza::IniciarComWindows = chkIniciarComWindows->isChecked() ? "1" : "0";
    quelza::GravaEntradaIniciarComWindows(quelza::IniciarComWindows == "1");
    quelza::GravaConfiguracao(quelza::tabela::IniciarComWindows);
}
