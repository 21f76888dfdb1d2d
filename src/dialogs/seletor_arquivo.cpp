#include "dialogs/seletor_arquivo.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>

namespace {

QString Qt_(const std::string& s) { return QString::fromStdString(s); }

// Hidden files and folders stay out of the lists, as a file manager keeps them by default.
constexpr QDir::Filters SemOcultos = QDir::NoDotAndDotDot;

} // namespace

ListaPastas::ListaPastas(QWidget* pai) : QTreeWidget(pai) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        DefinePath(item->data(0, Qt::UserRole).toString().toStdString(), topo_);
    });
}

void ListaPastas::DefinePath(const std::string& pasta, const std::string& topo) {
    path_ = QDir::cleanPath(Qt_(pasta)).toStdString();
    topo_ = topo;
    clear();
    const QIcon aberta = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon fechada = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QStringList cadeia;
    for (QDir d(Qt_(path_));;) {
        cadeia.prepend(d.absolutePath());
        if (d.absolutePath().toStdString() == topo_ || d.isRoot() || !d.cdUp())
            break;
    }
    QTreeWidgetItem* atual = nullptr;
    for (const QString& caminho : cadeia) {
        const QString nome =
            caminho == Qt_(topo_) || QDir(caminho).isRoot() ? caminho : QDir(caminho).dirName();
        auto* item = atual ? new QTreeWidgetItem(atual) : new QTreeWidgetItem(this);
        item->setText(0, nome);
        item->setIcon(0, aberta);
        item->setData(0, Qt::UserRole, caminho);
        atual = item;
    }
    const QFileInfoList filhas =
        QDir(Qt_(path_)).entryInfoList(QDir::Dirs | SemOcultos, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& filha : filhas) {
        auto* item = new QTreeWidgetItem(atual);
        item->setText(0, filha.fileName());
        item->setIcon(0, fechada);
        item->setData(0, Qt::UserRole, filha.absoluteFilePath());
    }
    expandAll();
    setCurrentItem(atual);
    if (Change)
        Change();
}

SeletorArquivo::SeletorArquivo(QWidget* pai, const char* titulo) : QDialog(pai) {
    setWindowTitle(QString::fromUtf8(titulo));
    Drive1 = new QComboBox(this);
    Dir1 = new ListaPastas(this);
    File1 = new QListWidget(this);
    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command2 = new QPushButton(QStringLiteral("&Cancelar"), this);
    Command1->setEnabled(false);
    Command1->setDefault(true);

    auto* rotuloArquivos = new QLabel(QStringLiteral("A&rquivos"), this);
    auto* rotuloPastas = new QLabel(QStringLiteral("&Pastas"), this);
    auto* rotuloUnidades = new QLabel(QStringLiteral("&Unidades"), this);
    rotuloArquivos->setBuddy(File1);
    rotuloPastas->setBuddy(Dir1);
    rotuloUnidades->setBuddy(Drive1);

    auto* botoes = new QDialogButtonBox(Qt::Vertical, this);
    botoes->addButton(Command1, QDialogButtonBox::AcceptRole);
    botoes->addButton(Command2, QDialogButtonBox::RejectRole);

    auto* grade = new QGridLayout(this);
    grade->addWidget(rotuloArquivos, 0, 0);
    grade->addWidget(File1, 1, 0, 3, 1);
    grade->addWidget(rotuloPastas, 0, 1);
    grade->addWidget(Dir1, 1, 1);
    grade->addWidget(rotuloUnidades, 2, 1);
    grade->addWidget(Drive1, 3, 1);
    grade->addWidget(botoes, 1, 2, 3, 1, Qt::AlignTop);
    grade->setColumnStretch(0, 1);
    grade->setColumnStretch(1, 1);
    const int letra = fontMetrics().averageCharWidth();
    File1->setMinimumSize(letra * 26, letra * 28);
    Dir1->setMinimumWidth(letra * 26);
    setTabOrder(File1, Dir1);
    setTabOrder(Dir1, Drive1);
    setTabOrder(Drive1, Command1);
    setTabOrder(Command1, Command2);

    Dir1->Change = [this] { Dir1_Change(); };
    connect(File1, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* atual) {
        if (atual)
            File1_Click();
    });
    connect(File1, &QListWidget::itemActivated, this, [this] { Command1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void SeletorArquivo::Inicia() {
    unidades_ = plataforma::Unidades();
    for (const plataforma::Unidade& u : unidades_)
        Drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon),
                        Qt_(u.nome == u.caminho ? u.nome : u.nome + "  [" + u.caminho + "]"));
    const std::string atual = QDir::currentPath().toStdString();
    const auto unidade = static_cast<int>(plataforma::UnidadeDe(unidades_, atual));
    Drive1->setCurrentIndex(unidade);
    Dir1->DefinePath(atual, unidades_[unidade].caminho);
    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
}

void SeletorArquivo::Drive1_Change() {
    const plataforma::Unidade& u = unidades_.at(Drive1->currentIndex());
    Dir1->DefinePath(u.caminho, u.caminho);
}

void SeletorArquivo::Dir1_Change() {
    File1->clear();
    const QFileInfoList arquivos =
        QDir(Qt_(Dir1->Path())).entryInfoList(QDir::Files | SemOcultos, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& arquivo : arquivos)
        if (Aceita(arquivo))
            File1->addItem(arquivo.fileName());
    File1->setCurrentRow(-1);
    Command1->setEnabled(false);
}

void SeletorArquivo::File1_Click() { Command1->setEnabled(true); }

std::string SeletorArquivo::CaminhoEscolhido() const {
    const std::string pasta = Dir1->Path();
    return (pasta.ends_with('/') ? pasta : pasta + "/") + File1->currentItem()->text().toStdString();
}

void SeletorArquivo::Command1_Click() {
    if (!Command1->isEnabled() || !File1->currentItem())
        return;
    Escreve(CaminhoEscolhido());
    accept();
}
