// The window as the dialing engine and the settings see it: the redial state, the status code, the
// configuration dialog, the access labels and the periodic mail timer.
#include "app/frm_telvanor01.h"

#include "dialogs/frm_telvanor09.h"

void frmTelvanor01::MostraRediscar(bool ligado) {
    img[51]->DefinePicture(imgX[ligado ? 52 : 51]);
    Timer3.Enabled(ligado);
    itmRediscar->setChecked(ligado);
    img[7]->setEnabled(!ligado);
}

void frmTelvanor01::MostraCódigoEstado(const std::string& codigo) { DefineCaption(lblCodStatus, codigo); }

void frmTelvanor01::AbreConfiguração(int aba) { frmTelvanor09::MostraNaAba(aba); }

std::string frmTelvanor01::CaptionAcesso() const { return Caption(lblAcesso); }

void frmTelvanor01::MostraAcesso(const std::string& acesso, const std::string& usuario,
                                 const std::string& senha) {
    DefineCaption(lblAcesso, acesso);
    DefineCaption(lblUsuário, usuario);
    DefineCaption(lblSenha, senha);
}

void frmTelvanor01::HabilitaVerificaçãoPeriódica(bool habilitada) { tmrEmail.Enabled(habilitada); }
