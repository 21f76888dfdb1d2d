// The skin buttons' actions, and the wiring of every button, the skin and the tray menu to their
// handlers. Other units press a button by running its click with the element number.
#include "app/frm_telvanor01.h"

#include "dialogs/frm_telvanor09.h"
#include "dialup/discagem.h"
#include "mail/cliente_email.h"
#include "platform/interface/qt/mensagens.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>

namespace {

using namespace quelza;

void AbreMenuDoBotão(frmTelvanor01& f) {
    // The window is in view, so there is nothing to restore; the item stays bold as the default.
    f.itmRestaurar->setEnabled(false);
    QFont negrito = f.itmRestaurar->font();
    negrito.setBold(true);
    f.itmRestaurar->setFont(negrito);
    f.AbreMenuBandeja(QCursor::pos());
}

void Conecta(frmTelvanor01& f) {
    if (Caption(f.lblAcesso).empty()) {
        plataforma::MsgBox("Selecione o Provedor de Acesso", plataforma::vbOKOnly | plataforma::vbCritical,
                           TituloAplicacao);
        return;
    }
    if (ConexãoAtiva()) {
        plataforma::MsgBox("Você já está conectado", plataforma::vbOKOnly, TituloAplicacao);
        return;
    }
    DiscaConexão(AcessoDialUp, UsuárioAcesso, SenhaAcesso);
    if (!ConexãoAtiva() && RediscarLigado)
        f.itmRediscar->setChecked(false);
}

void Desconecta(frmTelvanor01& f) {
    f.MostraRediscar(false);
    RediscarLigado = false;
    GravaConfiguracao(tabela::RediscarLigado);
    DesligaConexão();
    DesligaConexão();
}

// The button's picture is the redial state the user sees, so it is the state the toggle reads.
void AlternaRediscar(frmTelvanor01& f) {
    const bool ligar = f.img[51]->Picture().Handle == f.imgX[51].Handle;
    f.MostraRediscar(ligar);
    RediscarLigado = ligar;
    GravaConfiguracao(tabela::RediscarLigado);
}

// The poller runs the check on its next tick with a connection.
void PedeVerificaçãoDeEmail() {
    ChecarAoConectar = 1;
    EmailVerificado = 0;
}

// Help comes from the F1 key, as from any window of the program; the stroke is posted, not awaited.
void EnviaF1(frmTelvanor01& f) {
    QCoreApplication::postEvent(&f, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QCoreApplication::postEvent(&f, new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

} // namespace

void frmTelvanor01::img_Click(int Index) {
    switch (Index) {
    case 1:
        AbreMenuDoBotão(*this);
        break;
    case 3:
        VaiParaBandeja();
        break;
    case 5:
        Sair();
        break;
    case 7:
        Conecta(*this);
        break;
    case 9:
        Desconecta(*this);
        break;
    case 11:
        frmTelvanor09::MostraNaAba(0);
        break;
    case 15:
        frmTelvanor09::MostraNaAba(5);
        break;
    case 21:
        PedeVerificaçãoDeEmail();
        break;
    case 25:
        EnviaF1(*this);
        break;
    case 51:
        AlternaRediscar(*this);
        break;
    case 200:
        AbreClienteDeEmail(hWnd());
        break;
    default:
        break;
    }
}

void frmTelvanor01::LigaEventos() {
    for (auto& [indice, imagem] : img) {
        imagem->Click = [this](int i) { img_Click(i); };
        imagem->MouseDown = [this](int i, const EventoMouse& e) { img_MouseDown(i, e); };
        imagem->MouseUp = [this](int i, const EventoMouse& e) { img_MouseUp(i, e); };
    }
    Image1->MouseDown = [this](int, const EventoMouse& e) { Image1_MouseDown(e); };
    Image1->MouseMove = [this](int, const EventoMouse& e) { Image1_MouseMove(e); };
    Image1->MouseUp = [this](int, const EventoMouse& e) { Image1_MouseUp(e); };

    const std::pair<QAction*, void (frmTelvanor01::*)()> itens[] = {
        {itmRestaurar, &frmTelvanor01::itmRestaurar_Click},
        {itmAjuda, &frmTelvanor01::itmAjuda_Click},
        {itmConectar, &frmTelvanor01::itmConectar_Click},
        {itmDesconectar, &frmTelvanor01::itmDesconectar_Click},
        {itmRediscar, &frmTelvanor01::itmRediscar_Click},
        {itmConfigurar, &frmTelvanor01::itmConfigurar_Click},
        {itmVerificar, &frmTelvanor01::itmVerificar_Click},
        {itmAgendar, &frmTelvanor01::itmAgendar_Click},
        {itmConfigConexão, &frmTelvanor01::itmConfigConexão_Click},
        {itmConfEmail, &frmTelvanor01::itmConfEmail_Click},
        {itmEmail, &frmTelvanor01::itmEmail_Click},
        {quero, &frmTelvanor01::quero_Click},
        {itmCadasteme, &frmTelvanor01::itmCadasteme_Click},
        {itmQueroDemo, &frmTelvanor01::itmQueroDemo_Click},
        {itmSair, &frmTelvanor01::itmSair_Click},
    };
    for (const auto& [item, tratador] : itens)
        QObject::connect(item, &QAction::triggered, this,
                         [this, tratador = tratador] { (this->*tratador)(); });
}
