#include "platform/bandeja/qt/bandeja.h"

#include "platform/figuras/qt/figuras.h"
#include "platform/texto/cp1252.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QIcon>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace plataforma {
namespace {

// The other mouse messages an icon can report; the window ignores them, but they are what they are.
constexpr std::uint32_t WM_LBUTTONUP = 0x202;
constexpr std::uint32_t WM_MBUTTONUP = 0x208;

std::map<std::uint32_t, std::function<void(std::uint32_t)>>& Receptores() {
    static std::map<std::uint32_t, std::function<void(std::uint32_t)>> receptores;
    return receptores;
}

// Asked as Qt asks when it picks its tray backend: a StatusNotifier watcher with a host registered.
// Qt decides once per process, and so does this.
bool TrayStatusNotifier() {
    static const bool statusNotifier = [] {
        QDBusInterface observador(
            QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
            QStringLiteral("org.kde.StatusNotifierWatcher"), QDBusConnection::sessionBus());
        return observador.isValid() && observador.property("IsStatusNotifierHostRegistered").toBool();
    }();
    return statusNotifier;
}

// One QSystemTrayIcon per (window, identifier). Removed icons are deleted later because a removal
// may come from inside their own activation signal.
class BandejaQt final : public Bandeja {
public:
    ~BandejaQt() override {
        for (auto& [chave, entrada] : icones_)
            delete entrada.icone;
    }

    bool Notifica(std::uint32_t mensagem, const NOTIFYICONDATAA& dados) override {
        const Chave chave{dados.hWnd, dados.uID};
        auto existente = icones_.find(chave);
        if (existente != icones_.end() && !existente->second.icone) {
            icones_.erase(existente);
            existente = icones_.end();
        }
        switch (mensagem) {
        case NIM_ADD:
            if (existente != icones_.end())
                return false;
            Altera(Cria(chave), dados);
            return true;
        case NIM_MODIFY:
            if (existente == icones_.end())
                return false;
            Altera(existente->second, dados);
            return true;
        case NIM_DELETE:
            if (existente == icones_.end())
                return false;
            existente->second.icone->hide();
            existente->second.icone->deleteLater();
            icones_.erase(existente);
            return true;
        default:
            return false;
        }
    }

    bool Disponivel() override { return QSystemTrayIcon::isSystemTrayAvailable(); }

private:
    using Chave = std::pair<std::uint32_t, std::uint32_t>;
    struct Entrada {
        QPointer<QSystemTrayIcon> icone;
        std::uint32_t mensagemRetorno = 0;
        std::uint32_t hIcon = 0;
    };

    Entrada& Cria(const Chave& chave) {
        // A child of the application object, so that it never outlives it.
        auto* icone = new QSystemTrayIcon(QCoreApplication::instance());
        icone->setObjectName(QStringLiteral("bandeja-%1-%2").arg(chave.first).arg(chave.second));
        QObject::connect(icone, &QSystemTrayIcon::activated, icone,
                         [this, chave](QSystemTrayIcon::ActivationReason motivo) {
                             const auto entrada = icones_.find(chave);
                             if (entrada == icones_.end() || entrada->second.mensagemRetorno == 0)
                                 return;
                             // Delivered from the event loop, as the platform posts its
                             // notifications: the receptor may remove this very icon.
                             const std::uint32_t mensagemMouse =
                                 MensagemMouseDaAtivacao(motivo, TrayStatusNotifier());
                             QTimer::singleShot(0, QCoreApplication::instance(), [chave, mensagemMouse] {
                                 EntregaMensagemBandeja(chave.first, mensagemMouse);
                             });
                         });
        Entrada& entrada = icones_[chave];
        entrada.icone = icone;
        return entrada;
    }

    static void Altera(Entrada& entrada, const NOTIFYICONDATAA& dados) {
        if (dados.uFlags & NIF_MESSAGE)
            entrada.mensagemRetorno = dados.uCallbackMessage;
        if (dados.uFlags & NIF_TIP)
            entrada.icone->setToolTip(QString::fromStdString(
                DeCp1252(std::string(dados.szTip, strnlen(dados.szTip, sizeof dados.szTip)))));
        // The poller sets the same icon ten times a second; a tray host is told only of changes.
        if ((dados.uFlags & NIF_ICON) && (dados.hIcon != entrada.hIcon || !entrada.icone->isVisible())) {
            entrada.hIcon = dados.hIcon;
            entrada.icone->setIcon(QIcon(FiguraDoHandle(dados.hIcon)));
            entrada.icone->show();
        }
    }

    std::map<Chave, Entrada> icones_;
};

Bandeja& Atual() { return Backend<Bandeja>::Atual(); }

} // namespace

bool Shell_NotifyIconA(std::uint32_t mensagem, const NOTIFYICONDATAA* dados) {
    return dados && Atual().Notifica(mensagem, *dados);
}

bool BandejaDisponivel() { return Atual().Disponivel(); }

std::uint32_t MensagemMouseDaAtivacao(QSystemTrayIcon::ActivationReason motivo, bool statusNotifier) {
    switch (motivo) {
    case QSystemTrayIcon::DoubleClick:
        return WM_LBUTTONDBLCLK;
    case QSystemTrayIcon::Context:
        return WM_RBUTTONUP;
    case QSystemTrayIcon::Trigger:
        return statusNotifier ? WM_LBUTTONDBLCLK : WM_LBUTTONUP;
    case QSystemTrayIcon::MiddleClick:
        return WM_MBUTTONUP;
    default:
        return WM_MOUSEMOVE;
    }
}

void DefineReceptorBandeja(std::uint32_t hWnd, std::function<void(std::uint32_t)> receptor) {
    if (receptor)
        Receptores()[hWnd] = std::move(receptor);
    else
        Receptores().erase(hWnd);
}

void EntregaMensagemBandeja(std::uint32_t hWnd, std::uint32_t mensagemMouse) {
    const auto receptor = Receptores().find(hWnd);
    if (receptor != Receptores().end())
        receptor->second(mensagemMouse);
}

template <> std::shared_ptr<Bandeja> BackendPadrao<Bandeja>() { return std::make_shared<BandejaQt>(); }

} // namespace plataforma
