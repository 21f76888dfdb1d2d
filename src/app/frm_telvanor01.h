// The main window: a frameless window painted by the skin, with its image buttons, labels, timers,
// tray menu and socket. Its handlers are spread over files named after what they handle.
#pragma once

#include "controls/controles.h"
#include "dialup/janela_discagem.h"
#include "settings/janela_configuracoes.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

class CriaRegiao;

namespace quelza {
class JanelaEmail;
}

// It is the window the dialing engine, the settings, the mail check and the tray icon act on,
// registered as such while it lives (platform/interface/janela_registrada.h).
class frmTelvanor01 : public QWidget, public quelza::JanelaDiscagem, public quelza::JanelaConfiguracoes {
public:
    frmTelvanor01();
    ~frmTelvanor01() override;

    // The handle that identifies the window to the tray icon.
    std::uint32_t hWnd() const { return 1; }

    // Controls.
    Imagem* Image1;
    std::map<int, Imagem*> img;
    std::map<int, Figura> imgX;
    QLabel* lblAcesso;
    QLabel* lblUsuário;
    QLabel* lblSenha;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* lblStatus;
    RotuloAjustado* lblContaEmail;
    QLabel* lblCodStatus;
    Figura Picture1;
    Figura Picture2;
    Temporizador Timer1;
    Temporizador Timer2;
    Temporizador Timer3;
    Temporizador tmrEmail;

    // The tray menu, built the first time it opens; its items are the window's from the start.
    QMenu& MenuBandeja();
    void AbreMenuBandeja(const QPoint& onde);
    QAction* itmRestaurar;
    QAction* itmAjuda;
    QAction* itmConectar;
    QAction* itmDesconectar;
    QAction* itmRediscar;
    QAction* itmConfigurar;
    QAction* itmVerificar;
    QAction* itmt1;
    QAction* itmAgendar;
    QAction* itmConfigConexão;
    QAction* itmConfEmail;
    QAction* traço;
    QAction* itmEmail;
    QAction* quero;
    QAction* t;
    QAction* itmCadasteme;
    QAction* itmQueroDemo;
    QAction* itmt2;
    QAction* itmSair;

    // Window variables.
    std::unique_ptr<CriaRegiao> RegiãoJanela;
    bool Arrastando = false;
    float XInicial = 0;
    float YInicial = 0;

    // Start-up, exit and unload (start-up and shutdown).
    void Form_Load(const std::string& linhaDeComando);
    void Sair();
    void Form_QueryUnload();
    // The end the system asks for (SIGTERM, SIGINT): stop a mail run under way, unload and end, with
    // no question.
    void Descarrega();

    // Buttons, skin, menu and keys.
    void img_Click(int Index);
    void img_MouseDown(int Index, const EventoMouse& e);
    void img_MouseUp(int Index, const EventoMouse& e);
    void Image1_MouseDown(const EventoMouse& e);
    void Image1_MouseMove(const EventoMouse& e);
    void Image1_MouseUp(const EventoMouse& e);
    void Form_KeyUp(int tecla, Qt::KeyboardModifiers shift);
    void itmRestaurar_Click();
    void itmAjuda_Click();
    void itmConectar_Click();
    void itmDesconectar_Click();
    void itmRediscar_Click();
    void itmConfigurar_Click();
    void itmVerificar_Click();
    void itmAgendar_Click();
    void itmConfigConexão_Click();
    void itmConfEmail_Click();
    void itmEmail_Click();
    void quero_Click();
    void itmCadasteme_Click();
    void itmQueroDemo_Click();
    void itmSair_Click();

    // The redial state on screen: the redial button's picture, the redial timer, the tray item's mark
    // and the connect button (offered only while redial is off). Every path that switches redial
    // shows it through here.
    void MostraRediscar(bool ligado) override;
    void MostraCódigoEstado(const std::string& codigo) override;
    void AbreConfiguração(int aba) override;
    std::string CaptionAcesso() const override;
    void MostraAcesso(const std::string& acesso, const std::string& usuario,
                      const std::string& senha) override;
    void HabilitaVerificaçãoPeriódica(bool habilitada) override;

    // To the tray: the icon added and the window hidden; without a tray host, minimized instead, as
    // nothing could bring a hidden window back.
    void VaiParaBandeja();
    // What a second start asks of this instance: the window back from the tray (as "Restaurar") or
    // from the taskbar, raised and activated.
    void TrazParaFrente();

    // Tray icon notifications arrive as mouse moves whose X is the mouse message of the icon.
    void Form_MouseMove(int botao, int shift, float x, float y);

    // Status poller, blink timer and redial watcher.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    // Periodic mail check.
    void tmrEmail_Timer();

    // Left and top in twips.
    int Left() const;
    int Top() const;
    void Move(int esquerda, int topo);

protected:
    void keyReleaseEvent(QKeyEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void CriaControles();
    void CriaMenu();
    std::unique_ptr<QMenu> mnuBandeja_;
    void CarregaFiguras();
    void LigaEventos();
    void RegistraJanelaEmail();

    // The window as the mail check sees it.
    std::unique_ptr<quelza::JanelaEmail> janelaEmail_;
    bool descarregada_ = false;
    // A status tick waiting in the event pump is not re-entered by the next one.
    bool timer1EmCurso_ = false;
};
