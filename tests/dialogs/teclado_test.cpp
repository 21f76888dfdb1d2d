// The configuration dialog from the keyboard: Enter on the account list edits the current account
// rather than closing the dialog, and the image buttons and links are reached with Tab, pressed with
// Space or Enter, and show their focus.
#include "dialogs/frm_telvanor09.h"
#include "mail/contas_email.h"
#include "mail/frm_telvanor08.h"
#include "platform/registro/configuracoes_usuario.h"
#include "settings/configuracao.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

using namespace quelza;

void Tecla(QWidget* alvo, int tecla) {
    QKeyEvent aperto(QEvent::KeyPress, tecla, Qt::NoModifier);
    QApplication::sendEvent(alvo, &aperto);
    QKeyEvent soltura(QEvent::KeyRelease, tecla, Qt::NoModifier);
    QApplication::sendEvent(alvo, &soltura);
}

class Teclado : public AmbienteTeste {
protected:
    void Abre(int aba) {
        dialogo = std::make_unique<frmTelvanor09>();
        dialogo->SSTab1->setCurrentIndex(aba);
        dialogo->show();
        dialogo->activateWindow();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), dialogo.get());
        dialogo->PrimeiroControle(aba)->setFocus(Qt::TabFocusReason);
    }

    // Tab until `alvo` has the focus; false when a round of the tab's controls never reaches it.
    bool TabAte(QWidget* alvo) {
        for (int i = 0; i < 30 && QApplication::focusWidget() != alvo; ++i)
            Tecla(QApplication::focusWidget(), Qt::Key_Tab);
        return alvo->hasFocus();
    }

    std::unique_ptr<frmTelvanor09> dialogo;
};

TEST_F(Teclado, EnterNaListaEditaAContaAtual) {
    struct Caso {
        bool comConta;
        const char* editada; // the account dialog's title box, or null when none opened
    };
    for (const Caso& c : {Caso{false, nullptr}, Caso{true, "Casa"}}) {
        SCOPED_TRACE(c.comConta);
        if (c.comConta)
            plataforma::SaveSetting(AplicacaoConfiguracoes, "Email", "Casa",
                                    CodificaContaEmail({"Casa", "pop.example", "ana", "s"}));
        Abre(frmTelvanor09::AbaEmail);
        std::string editada;
        interface->aoMostrarModal = [&](QDialog& conta) {
            editada = static_cast<frmTelvanor08&>(conta).txtNomeDaConta->text().toStdString();
            return 0;
        };
        const int antes = interface->modais;
        if (c.comConta)
            dialogo->List1->setCurrentRow(0);
        Tecla(dialogo->List1, Qt::Key_Return);
        EXPECT_EQ(interface->modais - antes, c.editada ? 1 : 0);
        EXPECT_EQ(editada, c.editada ? c.editada : "");
        // With no account, Enter is the dialog's "&OK".
        EXPECT_EQ(dialogo->isVisible(), c.comConta);
    }
}

TEST_F(Teclado, ImagensELinksPorTabEspacoEEnter) {
    AcessoDialUp = "Provedor Simulado";
    struct Caso {
        int aba;
        Imagem* frmTelvanor09::*controle;
        const char* efeito;
    };
    const Caso casos[] = {
        {frmTelvanor09::AbaAcesso, &frmTelvanor09::imgCriaDialUp, "menu"},
        {frmTelvanor09::AbaAcesso, &frmTelvanor09::imgAtualizar, "Provedor Simulado"},
        {frmTelvanor09::AbaSobre, &frmTelvanor09::lblEMail, "mailto:contato@e-telvanor.example"},
        {frmTelvanor09::AbaSobre, &frmTelvanor09::Label5, "http://www.e-telvanor.example/"},
    };
    for (const Caso& c : casos) {
        for (int tecla : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            SCOPED_TRACE(std::string(c.efeito) + " " + std::to_string(tecla));
            Abre(c.aba);
            Imagem* controle = (*dialogo).*c.controle;
            const QImage semFoco = controle->grab().toImage();
            ASSERT_TRUE(TabAte(controle));
            EXPECT_NE(controle->grab().toImage(), semFoco) << "the focus shows";

            dialogo->cmbAcesso->setEditText(QStringLiteral("outro"));
            shell->aberturas.clear();
            Tecla(controle, tecla);
            std::string efeito =
                dialogo->mnu->isVisible() ? "menu" : dialogo->cmbAcesso->currentText().toStdString();
            if (!shell->aberturas.empty())
                efeito = shell->aberturas.back().arquivo;
            dialogo->mnu->hide();
            EXPECT_EQ(efeito, c.efeito);
            EXPECT_TRUE(dialogo->isVisible()) << "the key went to the button, not to the dialog";
        }
    }
}

} // namespace
