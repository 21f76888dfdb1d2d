// The configuration dialog's frame: its six tabs in order and its three buttons.
#include "dialogs/frm_telvanor09.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Frm09Abas = AmbienteTeste;

TEST_F(Frm09Abas, AbasEBotoes) {
    frmTelvanor09 dialogo;
    std::vector<std::string> textos;
    for (int i = 0; i < dialogo.SSTab1->count(); ++i)
        textos.push_back(dialogo.SSTab1->tabText(i).toStdString());
    for (const QPushButton* b : {dialogo.cmdOK, dialogo.cmdCancelar, dialogo.cmdAplicar})
        textos.push_back(b->text().toStdString());
    EXPECT_EQ(textos,
              (std::vector<std::string>{"Acesso", "Verificar Email", "Agendamento", "Sons",
                                        "Internet Explorer", "e-Telvanor", "&OK", "&Cancelar", "&Aplicar"}));
}

} // namespace
