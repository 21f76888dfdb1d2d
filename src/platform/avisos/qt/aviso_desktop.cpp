#include "platform/avisos/qt/aviso_desktop.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <utility>

namespace plataforma {
namespace {

const QString Servico = QStringLiteral("org.freedesktop.Notifications");
const QString Caminho = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
const QString AcaoPadrao = QStringLiteral("default");

std::function<void()>& Acao() {
    static std::function<void()> acao;
    return acao;
}

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

// Calls the service and hands its reply to `resposta` when it comes; an error or no service at all
// ends there, unreported.
void Chama(QDBusConnection& barramento, QObject* dono, const QString& metodo, const QVariantList& argumentos,
           std::function<void(const QDBusMessage&)> resposta) {
    auto mensagem = QDBusMessage::createMethodCall(Servico, Caminho, Interface, metodo);
    mensagem.setArguments(argumentos);
    auto* vigia = new QDBusPendingCallWatcher(barramento.asyncCall(mensagem), dono);
    QObject::connect(vigia, &QDBusPendingCallWatcher::finished, dono,
                     [vigia, resposta = std::move(resposta)] {
                         vigia->deleteLater();
                         if (!vigia->isError())
                             resposta(vigia->reply());
                     });
}

class AvisosDBus final : public QObject, public AvisosDesktop {
    Q_OBJECT

public:
    explicit AvisosDBus(QDBusConnection barramento) : barramento_(std::move(barramento)) {
        barramento_.connect(Servico, Caminho, Interface, QStringLiteral("ActionInvoked"), this,
                            SLOT(onActionInvoked(uint, QString)));
    }

    // The service says first whether it reads the body as markup: a body that is read so has its
    // own text escaped, so that an account's name shows as written.
    void Mostra(const AvisoDesktop& aviso) override {
        Chama(barramento_, this, QStringLiteral("GetCapabilities"), {}, [this, aviso](const QDBusMessage& r) {
            const bool marcacao =
                r.arguments().value(0).toStringList().contains(QStringLiteral("body-markup"));
            QString corpo = Texto(aviso.Corpo);
            if (marcacao)
                corpo = corpo.toHtmlEscaped();
            const QStringList acoes{AcaoPadrao, QStringLiteral("Abrir")};
            const QVariantMap dicas{{QStringLiteral("category"), QStringLiteral("email.arrived")}};
            Chama(barramento_, this, QStringLiteral("Notify"),
                  {Texto(aviso.Aplicativo), identificador_, Texto(aviso.Icone), Texto(aviso.Resumo), corpo,
                   acoes, dicas, -1},
                  [this](const QDBusMessage& resposta) {
                      identificador_ = resposta.arguments().value(0).toUInt();
                  });
        });
    }

private Q_SLOTS:
    void onActionInvoked(uint identificador, const QString& acao) {
        if (identificador != 0 && identificador == identificador_ && acao == AcaoPadrao)
            EntregaAcaoAviso();
    }

private:
    QDBusConnection barramento_;
    uint identificador_ = 0;
};

} // namespace

void MostraAvisoDesktop(const AvisoDesktop& aviso) { Backend<AvisosDesktop>::Atual().Mostra(aviso); }

void DefineAcaoAviso(std::function<void()> acao) { Acao() = std::move(acao); }

void EntregaAcaoAviso() {
    if (const auto acao = Acao())
        acao();
}

std::shared_ptr<AvisosDesktop> AvisosNoBarramento(const QDBusConnection& barramento) {
    return std::make_shared<AvisosDBus>(barramento);
}

template <> std::shared_ptr<AvisosDesktop> BackendPadrao<AvisosDesktop>() {
    return AvisosNoBarramento(QDBusConnection::sessionBus());
}

} // namespace plataforma

#include "aviso_desktop.moc"
