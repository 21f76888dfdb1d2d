#include "platform/rede/qt/aguarda_dados.h"

#include <QAbstractSocket>
#include <QEventLoop>
#include <QSslSocket>
#include <QTimer>

namespace plataforma {
namespace {

class EsperaLaco final : public Espera {
public:
    bool Aguarda(QAbstractSocket& socket, std::chrono::milliseconds limite) override {
        QEventLoop laco;
        bool acordou = false;
        const auto acorda = [&] {
            acordou = true;
            laco.quit();
        };
        QObject::connect(&socket, &QIODevice::readyRead, &laco, acorda);
        QObject::connect(&socket, &QAbstractSocket::errorOccurred, &laco, acorda);
        QObject::connect(&socket, &QAbstractSocket::disconnected, &laco, acorda);
        // A socket closed before it connected says no more than that.
        QObject::connect(&socket, &QAbstractSocket::stateChanged, &laco,
                         [&](QAbstractSocket::SocketState estado) {
                             if (estado == QAbstractSocket::UnconnectedState)
                                 acorda();
                         });
        // A handshake that completes has something to say too: the dialogue goes on inside TLS.
        if (auto* tls = qobject_cast<QSslSocket*>(&socket))
            QObject::connect(tls, &QSslSocket::encrypted, &laco, acorda);
        QTimer limiteDaPausa;
        limiteDaPausa.setSingleShot(true);
        QObject::connect(&limiteDaPausa, &QTimer::timeout, &laco, &QEventLoop::quit);
        limiteDaPausa.start(limite);
        laco.exec();
        return acordou;
    }
};

} // namespace

bool AguardaDados(QAbstractSocket& socket, std::chrono::milliseconds limite) {
    return Backend<Espera>::Atual().Aguarda(socket, limite);
}

template <> std::shared_ptr<Espera> BackendPadrao<Espera>() { return EsperaQt(); }

std::shared_ptr<Espera> EsperaQt() { return std::make_shared<EsperaLaco>(); }

} // namespace plataforma
