// Process entry: the application object, then the main window's load handler.
#include "app/frm_telvanor01.h"
#include "platform/arquivos/limite_tamanho.h"
#include "platform/bandeja/qt/bandeja.h"
#include "platform/discagem/networkmanager/escolha_discagem.h"
#include "platform/discagem/ras.h"
#include "platform/instancia/qt/instancia.h"
#include "platform/interface/qt/eventos.h"
#include "platform/nucleo/escolha_backend.h"
#include "platform/sessao/qt/sinais.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

#include <QApplication>

#include <optional>
#include <string>

int main(int argc, char* argv[]) {
    plataforma::IgnoraLimiteDeTamanho();
    std::optional<QApplication> app;
    plataforma::CriaNoLaçoDoQt([&] { app.emplace(argc, argv); });
    QApplication::setApplicationName(QStringLiteral("e-Telvanor"));
    // The installed menu entry's name: the compositor and the docks find the program's icon and name
    // by it (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("e-telvanor"));
    QApplication::setQuitOnLastWindowClosed(false);

    std::string linhaDeComando;
    for (int i = 1; i < argc; ++i)
        linhaDeComando += (i > 1 ? " " : "") + std::string(argv[i]);

    quelza::LeConfiguracao(quelza::tabela::Discagem);
    plataforma::nm::AplicaEscolhaDiscagem(quelza::Discagem, true);
    // The backends that hold what the application object owns go before it, whichever way the program
    // ends (a SIGTERM with the icon in the tray included): the dial-up service talks over its bus, and
    // the tray's icons are its widgets.
    struct DevolveBackends {
        ~DevolveBackends() {
            plataforma::DefineBackend<plataforma::ServicoDiscagem>(nullptr);
            plataforma::DefineBackend<plataforma::Bandeja>(nullptr);
        }
    } devolveBackends;

    frmTelvanor01 janela;
    plataforma::AoTerminar([&janela] { janela.Descarrega(); });
    janela.Form_Load(linhaDeComando);
    if (plataforma::ProcessoEncerrado())
        return 0;
    return QApplication::exec();
}
