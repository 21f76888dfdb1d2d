// What a screen reader finds, through Qt's accessibility interfaces on real widgets: every skin
// button of the main window and every image button and link of the configuration dialog by role
// and name, pressable.
#include "app/frm_telvanor01.h"
#include "dialogs/frm_telvanor09.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <gtest/gtest.h>

namespace {

using namespace quelza;

// Role, name and description, as "43 Conectar | " (43 is a button, 30 a link).
std::string Ve(QWidget* controle) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(controle);
    if (!i)
        return "(sem interface)";
    return std::to_string(i->role()) + " " + i->text(QAccessible::Name).toStdString() + " | " +
           i->text(QAccessible::Description).toStdString();
}

// Presses through the interface, as a screen reader's user does.
void Pressiona(QWidget* controle) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(controle);
    ASSERT_TRUE(i && i->actionInterface());
    ASSERT_TRUE(i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

class Acessibilidade : public AmbienteTeste {
protected:
    frmTelvanor01 janela;
};

TEST_F(Acessibilidade, BotoesDaPeleSaoBotoesComADica) {
    for (const auto& [i, imagem] : janela.img) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Ve(imagem), "43 " + imagem->toolTip().toStdString() + " | ");
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(imagem)->state().focusable)
            << "the function keys are the main window's keyboard";
    }
    EXPECT_EQ(Ve(janela.img[51]), "43 Rediscar Automático | ");

    // "Verificar Email" asks the poller for a run.
    ChecarAoConectar = 0;
    EmailVerificado = 1;
    Pressiona(janela.img[21]);
    EXPECT_EQ(ChecarAoConectar, 1);
    EXPECT_EQ(EmailVerificado, 0);
    // A disabled button is not pressed: "Fechar" would end the program.
    janela.img[5]->setEnabled(false);
    Pressiona(janela.img[5]);
    EXPECT_EQ(instancia->encerramentos, 0);
}

TEST_F(Acessibilidade, BotoesDeImagemELinksDoDialogo) {
    frmTelvanor09 d;
    EXPECT_EQ(Ve(d.imgCriaDialUp), "43 Cria uma nova conexão Dial-Up | ");
    EXPECT_EQ(Ve(d.imgAtualizar), "43 Atualiza conexões Dial-Up | ");
    EXPECT_EQ(Ve(d.lblEMail), "30 contato@e-telvanor.example | E-Mail do Desenvolvedor deste Telvanor");
    EXPECT_EQ(Ve(d.Label5), "30 http://www.e-telvanor.example/ | Home Page");

    Pressiona(d.Label5);
    EXPECT_EQ(shell->Abertos(), std::vector<std::string>{"http://www.e-telvanor.example/"});
}

} // namespace
