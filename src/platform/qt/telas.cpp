#include "platform/qt/telas.h"

#include <QGuiApplication>
#include <QScreen>

namespace plataforma {

bool SessaoWayland() { return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")); }

template <> std::shared_ptr<Telas> BackendPadrao<Telas>() {
    class TelasQt final : public Telas {
    public:
        std::vector<QRect> Geometrias() const override {
            std::vector<QRect> telas;
            for (const QScreen* tela : QGuiApplication::screens())
                telas.push_back(tela->geometry());
            return telas;
        }
        QRect Primaria() const override {
            const QScreen* tela = QGuiApplication::primaryScreen();
            return tela ? tela->availableGeometry() : QRect();
        }
        bool PosicaoConhecida() const override { return !SessaoWayland(); }
    };
    return std::make_shared<TelasQt>();
}

} // namespace plataforma
