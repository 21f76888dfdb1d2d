#include "dialogs/frm_telvanor04.h"

frmTelvanor04::frmTelvanor04(QLineEdit* destino, QWidget* pai)
    : SeletorArquivo(pai, "Localizar Arquivo"), destino_(destino) {
    Inicia();
}

// A program here is any file with execute permission; there is no extension to go by.
bool frmTelvanor04::Aceita(const QFileInfo& arquivo) const { return arquivo.isExecutable(); }

void frmTelvanor04::Escreve(const std::string& caminho) {
    destino_->setText(QString::fromStdString(caminho));
}
