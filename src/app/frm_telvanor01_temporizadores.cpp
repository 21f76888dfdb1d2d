// The status poller and daily schedule (Timer1), the blinking of the connection indicator and tray
// icon (Timer2), and the redial watcher (Timer3). The dial itself runs in the platform; these follow
// it by polling. The connection test is asked afresh at each step, as the state may change between.
#include "app/frm_telvanor01.h"

#include "app/bandeja.h"
#include "app/desliga_windows.h"
#include "app/sons.h"
#include "dialup/discagem.h"
#include "mail/verificacao_contas.h"
#include "platform/interface/qt/eventos.h"
#include "platform/nucleo/diagnostico.h"
#include "platform/nucleo/relogio.h"
#include "platform/shell/qt/shell.h"
#include "settings/formas_texto.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

namespace {

using namespace quelza;

constexpr const char* Conectado = "Conectado.";
constexpr const char* SemConexão = "Sem Conexão.";

// A failing step of the tick is dropped and the tick goes on with the next one.
template <class Passo> void Protegido(Passo&& passo) {
    plataforma::PassoProtegido("passo do monitor de estado", std::forward<Passo>(passo));
}

void TocaSeLigado(const std::string& som) {
    if (SomLigado == 1 && TemDispositivoSom())
        TocaSom(som);
}

bool AgoraÉ(const HoraDoDia& hora) { return plataforma::SegundosDoDia(plataforma::Agora()) == hora.segundos; }

void MudaÍcone(const Figura& figura) {
    std::string altera = "altera";
    ÍconeBandeja(altera, figura, figura);
}

class Reentrada {
public:
    explicit Reentrada(bool& emCurso) : emCurso_(emCurso) { emCurso_ = true; }
    ~Reentrada() { emCurso_ = false; }
    Reentrada(const Reentrada&) = delete;
    Reentrada& operator=(const Reentrada&) = delete;

private:
    bool& emCurso_;
};

} // namespace

void frmTelvanor01::Timer1_Timer() {
    if (timer1EmCurso_)
        return;
    const Reentrada guarda(timer1EmCurso_);
    const auto legendaÉ = [this](const char* texto) { return CaptionIgual(lblStatus, texto); };

    Protegido([&] { DefineCaption(lblStatus, TextoEstadoConexão()); });
    Protegido([] { ConexãoAtiva(); });

    // The program of a scheduled connection starts once, when that connection is up.
    Protegido([&] {
        if (ConexãoAtiva() && AgendamentoPendente && legendaÉ(Conectado)) {
            AgendamentoPendente = false;
            if (!SemBrancos(ProgramaExecutar).empty())
                plataforma::WinExec(ProgramaExecutar.c_str(), plataforma::SW_SHOWMINIMIZED);
        }
    });

    Protegido([&] {
        if (!ConexãoAtiva())
            return;
        Timer3.Enabled(true);
        DesconexãoAnunciada = 0;
        if (ConexãoAnunciada == 0 && legendaÉ(Conectado)) {
            ConexãoAnunciada = 1;
            DesconexãoAnunciada = 0;
            if (IniciarIE == 1)
                Protegido([&] {
                    plataforma::ShellExecuteA(isActiveWindow() ? hWnd() : 0, "Open", "iexplore.exe", "", "",
                                              plataforma::SW_SHOWNORMAL);
                });
            Protegido([] { TocaSeLigado(SomConectado); });
        }
        if (ChecarAoConectar == 1 && EmailVerificado == 0 && legendaÉ(Conectado)) {
            // Marked as done even when the run fails, or every tick would start it again.
            Protegido([] { VerificaTodasAsContas(); });
            EmailVerificado = 1;
        }
        if (ChecarPeriodicamente > 0)
            tmrEmail.Enabled(true);
    });

    Protegido([&] {
        if (ConexãoAtiva())
            return;
        Protegido([&] { MudaÍcone(Picture1); });
        if (DesconexãoAnunciada == 0 && legendaÉ(SemConexão)) {
            DesconexãoAnunciada = 1;
            Protegido([] { TocaSeLigado(SomDesconectado); });
        }
        EmailVerificado = 0;
        TotalAnteriorEmail = 0;
        tmrEmail.Enabled(false);
        TempoCorrido = 0;
        ConexãoAnunciada = 0;
    });

    // The scheduled connection is made, and kept up, by switching redial on.
    Protegido([&] {
        if (!ConexãoAtiva() && AgendarConexão == 1 && legendaÉ(SemConexão) && AgoraÉ(HoraConexão)) {
            if (!RediscarLigado)
                img_Click(51);
            AgendamentoPendente = true;
        }
    });

    Protegido([&] {
        if (!(ConexãoAtiva() && AgendarDesconexão == 1 && legendaÉ(Conectado) && AgoraÉ(HoraDesconexão)))
            return;
        Protegido([] { DesligaConexão(); });
        if (RediscarLigado)
            Protegido([&] { img_Click(9); });
        // A one-shot schedule ends with its disconnection.
        if (NãoDeixarAgendado == 1) {
            Protegido([] { GravaTexto(tabela::AgendarConexão, "0"); });
            AgendarConexão = 0;
            Protegido([] { GravaTexto(tabela::AgendarDesconexão, "0"); });
            AgendarDesconexão = 0;
        }
        if (DesligarComputador == 1)
            Protegido([] { DesligaWindows(1); });
    });

    Protegido([] { plataforma::DoEvents(); });

    Protegido([&] {
        if (!legendaÉ(Conectado)) {
            Timer2.Enabled(false);
            if (img[100]->Picture().Handle != imgX[100].Handle)
                img[100]->DefinePicture(imgX[100]);
        } else {
            Timer2.Enabled(true);
        }
    });
}

// Indicator and tray icon blink in step: the indicator's picture says which one comes next.
void frmTelvanor01::Timer2_Timer() {
    if (img[100]->Picture().Handle == imgX[100].Handle) {
        img[100]->DefinePicture(imgX[101]);
        MudaÍcone(Picture2);
    } else {
        img[100]->DefinePicture(imgX[100]);
        MudaÍcone(Picture1);
    }
}

// No counter and no pause: every tick without any connection at all starts a new dial. While an
// attempt is being set up the platform lists it, the code is no longer "6", and nothing starts.
void frmTelvanor01::Timer3_Timer() {
    if (RediscarLigado && CaptionIgual(lblStatus, SemConexão) && CaptionIgual(lblCodStatus, "6"))
        DiscaConexão(AcessoDialUp, UsuárioAcesso, SenhaAcesso);
}
