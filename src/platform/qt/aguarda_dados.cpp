#include "platform/qt/aguarda_dados.h"

#include <QAbstractSocket>
#include <QEventLoop>
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
        QTimer limiteDaPausa;
        limiteDaPausa.setSingleShot(true);
        QObject::connect(&limiteDaPausa, &QTimer::timeout, &laco, &QEventLoop::quit);
        limiteDaPausa.start(limite);
        laco.exec();
        return acordou;
    }
};

std::shared_ptr<Espera>& Atual() {
    static std::shared_ptr<Espera> atual = EsperaQt();
    return atual;
}

} // namespace

bool AguardaDados(QAbstractSocket& socket, std::chrono::milliseconds limite) {
    return Atual()->Aguarda(socket, limite);
}

void DefineEspera(std::shared_ptr<Espera> espera) { Atual() = espera ? std::move(espera) : EsperaQt(); }

std::shared_ptr<Espera> EsperaQt() { return std::make_shared<EsperaLaco>(); }

} // namespace plataforma
