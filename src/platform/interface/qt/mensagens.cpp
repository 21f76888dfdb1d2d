#include "platform/interface/qt/mensagens.h"

#include "platform/nucleo/aplicacao.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace plataforma {
namespace {

class InterfaceQt final : public InterfaceUsuario {
public:
    int Mensagem(const std::string& texto, int estilo, const std::string& titulo) override {
        QMessageBox caixa;
        caixa.setWindowTitle(QString::fromStdString(titulo));
        caixa.setText(QString::fromStdString(texto).replace(QChar('\r'), QChar('\n')));
        switch (estilo & 0x70) {
        case vbCritical:
            caixa.setIcon(QMessageBox::Critical);
            break;
        case vbQuestion:
            caixa.setIcon(QMessageBox::Question);
            break;
        case vbExclamation:
            caixa.setIcon(QMessageBox::Warning);
            break;
        case vbInformation:
            caixa.setIcon(QMessageBox::Information);
            break;
        default:
            break;
        }
        switch (estilo & 0x0F) {
        case vbYesNoCancel: {
            caixa.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
            caixa.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
            auto* cancelar = caixa.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
            caixa.setEscapeButton(cancelar);
            break;
        }
        case vbYesNo:
            caixa.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
            caixa.setEscapeButton(caixa.addButton(QStringLiteral("&Não"), QMessageBox::NoRole));
            break;
        default:
            caixa.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            break;
        }
        caixa.exec();
        auto* clicado = caixa.clickedButton();
        switch (clicado ? caixa.buttonRole(clicado) : QMessageBox::RejectRole) {
        case QMessageBox::YesRole:
            return vbYes;
        case QMessageBox::NoRole:
            return vbNo;
        case QMessageBox::AcceptRole:
            return vbOK;
        default:
            return (estilo & 0x0F) == vbOKOnly ? vbOK : vbCancel;
        }
    }

    int Modal(QDialog& dialogo) override { return dialogo.exec(); }
};

InterfaceUsuario& Atual() { return Backend<InterfaceUsuario>::Atual(); }

} // namespace

int MsgBox(const std::string& texto, int estilo, const std::string& titulo) {
    return Atual().Mensagem(texto, estilo, titulo.empty() ? TituloAplicacao : titulo);
}

int MostraModal(QDialog& dialogo) { return Atual().Modal(dialogo); }

template <> std::shared_ptr<InterfaceUsuario> BackendPadrao<InterfaceUsuario>() {
    return std::make_shared<InterfaceQt>();
}

} // namespace plataforma
