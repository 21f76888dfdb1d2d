// The two file pickers on a temporary folder tree: what each lists, "&OK" usable only after a file
// is chosen since the last change, the path written with one separator into the right box, and the
// the drives.
#include "dialogs/frm_telvanor02.h"
#include "dialogs/frm_telvanor04.h"
#include "support/ambiente.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Itens(const QListWidget* lista) {
    std::vector<std::string> textos;
    for (int i = 0; i < lista->count(); ++i)
        textos.push_back(lista->item(i)->text().toStdString());
    return textos;
}

// The folder list's lines from top to bottom.
std::vector<std::string> Itens(const QTreeWidget* arvore) {
    std::vector<std::string> textos;
    for (QTreeWidgetItemIterator i(const_cast<QTreeWidget*>(arvore)); *i; ++i)
        textos.push_back((*i)->text(0).toStdString());
    return textos;
}

class Seletores : public AmbienteTeste {
protected:
    Seletores() : anterior_(QDir::currentPath()) {
        const QString r = raiz.path();
        QDir(r).mkpath(QStringLiteral("pasta/funda"));
        QDir(r).mkpath(QStringLiteral(".oculta"));
        for (const char* nome : {"programa", "leia.txt", "Alto.WAV", "baixo.wav", "musica.mp3", ".oculto.wav",
                                 "pasta/outro.wav", "pasta/ferramenta"})
            GravaArquivo((r + "/" + nome).toStdString(), "x");
        for (const char* nome : {"programa", "pasta/ferramenta"})
            QFile::setPermissions(r + "/" + nome, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir::setCurrent(r);
        for (auto& caixa : txtSom)
            caixa = new QLineEdit(&pai);
    }
    ~Seletores() override { QDir::setCurrent(anterior_); }

    std::string Raiz() const { return QDir(raiz.path()).canonicalPath().toStdString(); }

    QTemporaryDir raiz;
    QWidget pai;
    QLineEdit destino;
    std::array<QLineEdit*, 7> txtSom{};

private:
    QString anterior_;
};

using Lista = std::vector<std::string>;

TEST_F(Seletores, CadaSeletorListaOsSeusArquivos) {
    frmTelvanor04 programa(&destino);
    EXPECT_EQ(Itens(programa.File1), Lista({"programa"}));
    frmTelvanor02 sons(txtSom);
    EXPECT_EQ(Itens(sons.File1), Lista({"Alto.WAV", "baixo.wav"}));
    EXPECT_EQ(sons.Dir1->Path(), Raiz());
    const auto linhas = Itens(sons.Dir1);
    ASSERT_GE(linhas.size(), 3u);
    EXPECT_EQ(linhas.front(), "/");
    EXPECT_EQ(linhas[linhas.size() - 2], QDir(raiz.path()).dirName().toStdString());
    EXPECT_EQ(linhas.back(), "pasta") << "hidden folders stay out";
}

TEST_F(Seletores, OkSoDepoisDeEscolherUmArquivoDesdeAUltimaMudanca) {
    frmTelvanor04 s(&destino);
    EXPECT_FALSE(s.Command1->isEnabled());
    s.File1->setCurrentRow(0);
    EXPECT_TRUE(s.Command1->isEnabled());

    s.Dir1->DefinePath(Raiz() + "/pasta", "/");
    EXPECT_FALSE(s.Command1->isEnabled());
    EXPECT_EQ(Itens(s.File1), Lista({"ferramenta"}));
    s.File1->setCurrentRow(0);
    EXPECT_TRUE(s.Command1->isEnabled());

    s.Drive1->setCurrentIndex(0);
    s.Drive1_Change();
    EXPECT_EQ(s.Dir1->Path(), "/");
    EXPECT_FALSE(s.Command1->isEnabled());
}

TEST_F(Seletores, OkEscreveOCaminhoNaCaixaCerta) {
    frmTelvanor04 programa(&destino);
    programa.Dir1->DefinePath(Raiz() + "/pasta", "/");
    programa.File1->setCurrentRow(0);
    programa.Command1->click();
    EXPECT_EQ(destino.text().toStdString(), Raiz() + "/pasta/ferramenta");
    EXPECT_EQ(programa.result(), QDialog::Accepted);

    frmTelvanor02 sons(txtSom);
    sons.Tag = "4";
    sons.File1->setCurrentRow(1);
    sons.Command1_Click();
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(txtSom[i]->text().toStdString(), i == 4 ? Raiz() + "/baixo.wav" : "") << i;
}

TEST_F(Seletores, NaRaizUmSoSeparador) {
    frmTelvanor04 s(&destino);
    s.Dir1->DefinePath("/", "/");
    s.File1->addItem(QStringLiteral("vmlinuz"));
    s.File1->setCurrentRow(s.File1->count() - 1);
    EXPECT_EQ(s.CaminhoEscolhido(), "/vmlinuz");
}

TEST_F(Seletores, CancelarNaoMudaNada) {
    destino.setText("antes");
    frmTelvanor04 s(&destino);
    s.File1->setCurrentRow(0);
    s.Command2->click();
    EXPECT_EQ(destino.text(), "antes");
    EXPECT_EQ(s.result(), QDialog::Rejected);
}

} // namespace
