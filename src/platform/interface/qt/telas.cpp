#include "platform/interface/qt/telas.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace plataforma {

bool SessaoWayland() { return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")); }

bool MovimentoPeloSistema(QWidget& janela) {
    QWindow* janelaNativa = janela.windowHandle();
    return SessaoWayland() && janelaNativa && janelaNativa->startSystemMove();
}

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
