// The owner of one file descriptor.
#pragma once

namespace plataforma {

// Owns one file descriptor and closes it, leaving errno as the last failed call set it.
class Descritor {
public:
    Descritor() = default;
    explicit Descritor(int fd) : fd_(fd) {}
    ~Descritor();
    Descritor(Descritor&& outro) noexcept;
    Descritor& operator=(Descritor&& outro) noexcept;

    int Fd() const { return fd_; }
    bool Valido() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace plataforma
