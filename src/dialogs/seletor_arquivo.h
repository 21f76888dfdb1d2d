// What the two file pickers share: a drive list, a folder list and a file list of the files a
// filter accepts, with "&OK" usable only once a file is chosen since the last change of drive or
// folder. Each picker says which files it lists and where the chosen path goes.
#pragma once

#include "platform/arquivos/unidades.h"

#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>
#include <string>
#include <vector>

// The folder list: the folders from the drive's top down to the current one, each inside the one
// before, and the current one's subfolders. Activating a folder (double click or Enter) makes it the
// current one.
class ListaPastas : public QTreeWidget {
public:
    explicit ListaPastas(QWidget* pai);

    std::string Path() const { return path_; }
    // Shows `pasta`, whose drive starts at `topo`, and reports the change.
    void DefinePath(const std::string& pasta, const std::string& topo);

    std::function<void()> Change;

private:
    std::string path_;
    std::string topo_;
};

class SeletorArquivo : public QDialog {
public:
    QComboBox* Drive1;
    ListaPastas* Dir1;
    QListWidget* File1;
    QPushButton* Command1;
    QPushButton* Command2;

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();

    // The chosen file's full path: the folder, one separator, the file name.
    std::string CaminhoEscolhido() const;

protected:
    SeletorArquivo(QWidget* pai, const char* titulo);
    // Fills the lists with the process's current drive and folder; called once the picker is built.
    void Inicia();

    virtual bool Aceita(const QFileInfo& arquivo) const = 0;
    virtual void Escreve(const std::string& caminho) = 0;

private:
    std::vector<plataforma::Unidade> unidades_;
};
