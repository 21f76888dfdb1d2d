#include "dialogs/frm_telvanor02.h"

frmTelvanor02::frmTelvanor02(const std::array<QLineEdit*, 7>& txtSom, QWidget* pai)
    : SeletorArquivo(pai, "Localizar Som"), txtSom_(txtSom) {
    Inicia();
}

bool frmTelvanor02::Aceita(const QFileInfo& arquivo) const {
    return arquivo.suffix().compare(QStringLiteral("wav"), Qt::CaseInsensitive) == 0;
}

void frmTelvanor02::Escreve(const std::string& caminho) {
    bool numero = false;
    const int indice = Tag.toInt(&numero);
    if (numero && indice >= 0 && indice < static_cast<int>(txtSom_.size()))
        txtSom_[indice]->setText(QString::fromStdString(caminho));
}
