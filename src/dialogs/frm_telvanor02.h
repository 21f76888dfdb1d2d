// The sound picker: lists the wave files and writes the chosen one's full path into the sound box
// whose index the picker's Tag holds as text.
#pragma once

#include "dialogs/seletor_arquivo.h"

#include <QLineEdit>

#include <array>

class frmTelvanor02 : public SeletorArquivo {
public:
    frmTelvanor02(const std::array<QLineEdit*, 7>& txtSom, QWidget* pai = nullptr);

    QString Tag;

protected:
    bool Aceita(const QFileInfo& arquivo) const override;
    void Escreve(const std::string& caminho) override;

private:
    std::array<QLineEdit*, 7> txtSom_;
};
