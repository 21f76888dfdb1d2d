// The tray menu's items. Most press the skin button of the same action; the developer links open
// through the shell, where the user's mail program or browser takes them.
#include "app/desenvolvedor.h"
#include "app/frm_telvanor01.h"
#include "dialogs/frm_telvanor09.h"
#include "dialup/discagem.h"
#include "platform/arquivos/pastas.h"
#include "platform/shell/qt/shell.h"
#include "settings/quelza.h"

namespace {

void AbreNoShell(const frmTelvanor01& f, const std::string& alvo) {
    plataforma::ShellExecuteA(f.hWnd(), "Open", alvo.c_str(), "", plataforma::PastaPrograma().c_str(),
                              plataforma::SW_SHOWNORMAL);
}

} // namespace

void frmTelvanor01::itmAjuda_Click() { img_Click(25); }
void frmTelvanor01::itmConectar_Click() { img_Click(7); }
void frmTelvanor01::itmDesconectar_Click() { img_Click(9); }
void frmTelvanor01::itmRediscar_Click() { img_Click(51); }
void frmTelvanor01::itmSair_Click() { img_Click(5); }

void frmTelvanor01::itmConfigurar_Click() { frmTelvanor09::MostraNaAba(5); }
void frmTelvanor01::itmAgendar_Click() { frmTelvanor09::MostraNaAba(2); }
void frmTelvanor01::itmConfigConexão_Click() { frmTelvanor09::MostraNaAba(0); }
void frmTelvanor01::itmConfEmail_Click() { frmTelvanor09::MostraNaAba(1); }

// Unlike the button, the menu asks for a check only while connected.
void frmTelvanor01::itmVerificar_Click() {
    using namespace quelza;
    if (!ConexãoAtiva())
        return;
    img[200]->DefinePicture(imgX[201]);
    ChecarAoConectar = 1;
    EmailVerificado = 0;
}

void frmTelvanor01::itmEmail_Click() { AbreNoShell(*this, quelza::LinkEmailDesenvolvedor("Do Telvanor")); }
void frmTelvanor01::quero_Click() { AbreNoShell(*this, quelza::HomePageDesenvolvedor); }
void frmTelvanor01::itmCadasteme_Click() { AbreNoShell(*this, quelza::LinkEmailDesenvolvedor("Cadastro")); }
void frmTelvanor01::itmQueroDemo_Click() {
    AbreNoShell(*this, quelza::LinkEmailDesenvolvedor("Quero um Demo para o meu Provedor"));
}
