#include "platform/sessao/qt/sinais.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace plataforma {
namespace {

int pares[2] = {-1, -1};

extern "C" void AoSinal(int) {
    const char c = 1;
    [[maybe_unused]] const auto escrito = ::write(pares[0], &c, 1);
}

} // namespace

void AoTerminar(std::function<void()> tratador) {
    if (pares[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pares) != 0)
        return;
    ::fcntl(pares[0], F_SETFL, O_NONBLOCK);
    // Owned by the application object, so it goes with it.
    auto* notificador = new QSocketNotifier(pares[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notificador, &QSocketNotifier::activated, [tratador = std::move(tratador)] {
        char c;
        while (::read(pares[1], &c, 1) == 1) {
        }
        tratador();
    });
    ::fcntl(pares[1], F_SETFL, O_NONBLOCK);
    struct sigaction acao = {};
    acao.sa_handler = AoSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &acao, nullptr);
    sigaction(SIGINT, &acao, nullptr);
}

} // namespace plataforma
