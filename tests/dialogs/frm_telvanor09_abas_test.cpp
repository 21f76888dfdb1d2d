// The configuration dialog's frame: its six tabs in order, its three buttons, and the opening on a
// chosen tab, shown modally.
#include "dialogs/frm_telvanor09.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Frm09Abas : public AmbienteTeste {};

TEST_F(Frm09Abas, AbasEBotoes) {
    frmTelvanor09 dialogo;
    std::vector<std::string> abas;
    for (int i = 0; i < dialogo.SSTab1->count(); ++i)
        abas.push_back(dialogo.SSTab1->tabText(i).toStdString());
    EXPECT_EQ(abas, (std::vector<std::string>{"Acesso", "Verificar Email", "Agendamento", "Sons",
                                              "Internet Explorer", "e-Telvanor"}));
    EXPECT_EQ(dialogo.windowTitle().toStdString(), "Configurar");
    EXPECT_EQ(dialogo.cmdOK->text().toStdString(), "&OK");
    EXPECT_EQ(dialogo.cmdCancelar->text().toStdString(), "&Cancelar");
    EXPECT_EQ(dialogo.cmdAplicar->text().toStdString(), "&Aplicar");
}

TEST_F(Frm09Abas, AbreModalNaAbaPedida) {
    std::vector<int> vistas;
    interface->aoMostrarModal = [&](QDialog& d) {
        vistas.push_back(static_cast<frmTelvanor09&>(d).SSTab1->currentIndex());
        return 1;
    };
    for (int aba : {5, 0, 2, 1})
        EXPECT_EQ(frmTelvanor09::MostraNaAba(aba), 1);
    EXPECT_EQ(vistas, (std::vector<int>{5, 0, 2, 1}));
}

} // namespace
