#include "app/bandeja.h"

#include "app/frm_telvanor01.h"
#include "platform/bandeja/qt/bandeja.h"
#include "platform/interface/qt/eventos.h"
#include "settings/quelza.h"

#include <QString>

#include <algorithm>
#include <cstring>

namespace quelza {
namespace {

constexpr char Dica[] = "e-Telvanor 3.1";

// The icon's notifications go to whichever main window is alive when they arrive.
void RecebeNotificações(std::uint32_t hWnd) {
    plataforma::DefineReceptorBandeja(hWnd, [](std::uint32_t mensagemMouse) {
        if (frmTelvanor01::Existe())
            frmTelvanor01::Atual().Form_MouseMove(0, 0, static_cast<float>(mensagemMouse), 0);
    });
}

// The operation's words are ASCII, and the status poller changes the icon at every tick: those are
// upper-cased where they stand; any other text goes through Qt's case tables.
void EmMaiúsculas(std::string& texto) {
    if (std::all_of(texto.begin(), texto.end(), [](unsigned char c) { return c < 0x80; })) {
        for (char& c : texto)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        return;
    }
    texto = QString::fromStdString(texto).toUpper().toStdString();
}

void Identifica(plataforma::NOTIFYICONDATAA& dados) {
    dados.cbSize = sizeof dados;
    dados.hWnd = frmTelvanor01::Atual().hWnd();
    dados.uID = 1;
}

} // namespace

void ÍconeBandeja(std::string& operação, const Figura& figura, const Figura& figuraNova) {
    using namespace plataforma;
    EmMaiúsculas(operação);
    NOTIFYICONDATAA& dados = DadosÍcone;

    if (operação == "ADICIONA") {
        Identifica(dados);
        dados.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        dados.uCallbackMessage = WM_MOUSEMOVE;
        dados.hIcon = figura.Handle;
        std::memset(dados.szTip, ' ', sizeof dados.szTip);
        std::memcpy(dados.szTip, Dica, sizeof Dica);
        RecebeNotificações(dados.hWnd);
        Shell_NotifyIconA(NIM_ADD, &dados);
    } else if (operação == "DELETA") {
        Identifica(dados);
        Shell_NotifyIconA(NIM_DELETE, &dados);
    } else if (operação == "ALTERA") {
        Identifica(dados);
        dados.uFlags = NIF_ICON;
        dados.hIcon = figuraNova.Handle;
        Shell_NotifyIconA(NIM_MODIFY, &dados);
        DoEvents();
        Shell_NotifyIconA(NIM_MODIFY, &dados);
    }
}

} // namespace quelza
