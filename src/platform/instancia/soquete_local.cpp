#include "platform/instancia/soquete_local.h"

#include "platform/nucleo/sem_interrupcao.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace plataforma {
namespace {

bool Endereco(const std::string& caminho, sockaddr_un& endereco) {
    endereco = {};
    endereco.sun_family = AF_UNIX;
    if (caminho.empty() || caminho.size() >= sizeof endereco.sun_path) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(endereco.sun_path, caminho.c_str(), caminho.size() + 1);
    return true;
}

const sockaddr* Generico(const sockaddr_un& endereco) { return reinterpret_cast<const sockaddr*>(&endereco); }

} // namespace

Descritor EscutaSoqueteLocal(const std::string& caminho) {
    sockaddr_un endereco;
    if (!Endereco(caminho, endereco))
        return {};
    Descritor escuta(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    // unlink() takes a link itself away, never what it points to; bind() then makes a new file, with
    // the mode the socket was given (Linux), and refuses a name somebody took meanwhile.
    if (!escuta.Valido() || ::fchmod(escuta.Fd(), 0600) != 0 ||
        (::unlink(caminho.c_str()) != 0 && errno != ENOENT) ||
        ::bind(escuta.Fd(), Generico(endereco), sizeof endereco) != 0 || ::listen(escuta.Fd(), 8) != 0)
        return {};
    return escuta;
}

Descritor AceitaSoqueteLocal(const Descritor& escuta) {
    return Descritor(SemInterrupcao(
        [&] { return ::accept4(escuta.Fd(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC); }));
}

Descritor ConectaSoqueteLocal(const std::string& caminho, int esperaMs) {
    sockaddr_un endereco;
    struct stat info {};
    // Only this user can change the private folder between the look and the connect.
    if (!Endereco(caminho, endereco) || ::lstat(caminho.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode) ||
        info.st_uid != ::getuid())
        return {};
    Descritor soquete(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    // A local connect waits for room in the listener's queue as long as a send would.
    const timeval espera{esperaMs / 1000, static_cast<suseconds_t>(esperaMs % 1000) * 1000};
    if (!soquete.Valido() || ::setsockopt(soquete.Fd(), SOL_SOCKET, SO_SNDTIMEO, &espera, sizeof espera) != 0)
        return {};
    if (SemInterrupcao([&] { return ::connect(soquete.Fd(), Generico(endereco), sizeof endereco); }) != 0)
        return {};
    return soquete;
}

bool EnviaTudo(const Descritor& soquete, const std::string& texto) {
    std::size_t enviado = 0;
    while (enviado < texto.size()) {
        const ssize_t n = SemInterrupcao([&] {
            return ::send(soquete.Fd(), texto.data() + enviado, texto.size() - enviado, MSG_NOSIGNAL);
        });
        if (n <= 0)
            return false;
        enviado += static_cast<std::size_t>(n);
    }
    return true;
}

EstadoLeitura LeDisponivel(const Descritor& soquete, std::string& recebido, std::size_t limite) {
    char bloco[4096];
    for (;;) {
        const ssize_t n = SemInterrupcao([&] { return ::read(soquete.Fd(), bloco, sizeof bloco); });
        if (n > 0) {
            if (static_cast<std::size_t>(n) > limite - recebido.size())
                return EstadoLeitura::Recusada;
            recebido.append(bloco, static_cast<std::size_t>(n));
        } else if (n == 0) {
            return EstadoLeitura::Terminada;
        } else {
            return errno == EAGAIN || errno == EWOULDBLOCK ? EstadoLeitura::Aberta : EstadoLeitura::Recusada;
        }
    }
}

} // namespace plataforma
