#include "platform/interface/qt/eventos.h"

#include <QCoreApplication>
#include <QThread>

namespace plataforma {
namespace {

class EventosQt final : public Eventos {
public:
    void Bombeia() override { QCoreApplication::processEvents(); }
    void Dorme(std::uint32_t milissegundos) override { QThread::msleep(milissegundos); }
};

Eventos& Atual() { return Backend<Eventos>::Atual(); }

} // namespace

void CriaNoLaçoDoQt(const std::function<void()>& cria) {
    static constexpr const char* SemGLib = "QT_NO_GLIB";
    const bool escolhido = qEnvironmentVariableIsSet(SemGLib);
    if (!escolhido)
        qputenv(SemGLib, "1");
    cria();
    if (!escolhido)
        qunsetenv(SemGLib);
}

void DoEvents() { Atual().Bombeia(); }
void Sleep(std::uint32_t milissegundos) { Atual().Dorme(milissegundos); }

template <> std::shared_ptr<Eventos> BackendPadrao<Eventos>() { return std::make_shared<EventosQt>(); }

} // namespace plataforma
