#include "platform/qt/eventos.h"

#include <QCoreApplication>
#include <QThread>

namespace plataforma {
namespace {

class EventosQt final : public Eventos {
public:
    void Bombeia() override { QCoreApplication::processEvents(); }
    void Dorme(std::uint32_t milissegundos) override { QThread::msleep(milissegundos); }
};

std::shared_ptr<Eventos>& Atual() {
    static std::shared_ptr<Eventos> atual = std::make_shared<EventosQt>();
    return atual;
}

} // namespace

void DoEvents() { Atual()->Bombeia(); }
void Sleep(std::uint32_t milissegundos) { Atual()->Dorme(milissegundos); }

void DefineEventos(std::shared_ptr<Eventos> eventos) {
    Atual() = eventos ? std::move(eventos) : std::make_shared<EventosQt>();
}

} // namespace plataforma
