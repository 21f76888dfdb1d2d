// The program picker: lists the files the user may run and writes the chosen one's full path into
// the schedule tab's program box.
#pragma once

#include "dialogs/seletor_arquivo.h"

#include <QLineEdit>

class frmTelvanor04 : public SeletorArquivo {
public:
    frmTelvanor04(QLineEdit* destino, QWidget* pai = nullptr);

protected:
    bool Aceita(const QFileInfo& arquivo) const override;
    void Escreve(const std::string& caminho) override;

private:
    QLineEdit* destino_;
};
