#include "platform/nucleo/descritor.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace plataforma {
namespace {

// A failed call's errno outlives the descriptor that is dropped after it.
void Fecha(int fd) {
    if (fd < 0)
        return;
    const int erro = errno;
    ::close(fd);
    errno = erro;
}

} // namespace

Descritor::~Descritor() { Fecha(fd_); }

Descritor::Descritor(Descritor&& outro) noexcept : fd_(std::exchange(outro.fd_, -1)) {}

Descritor& Descritor::operator=(Descritor&& outro) noexcept {
    if (this != &outro) {
        Fecha(fd_);
        fd_ = std::exchange(outro.fd_, -1);
    }
    return *this;
}

} // namespace plataforma
