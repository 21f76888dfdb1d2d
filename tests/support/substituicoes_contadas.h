// Counts how many times a file of a folder is replaced by a rename, from the moment the counter is
// made: the number of whole rewrites a store made. The kernel queues each rename as it happens, so the
// count is exact once the writing call has returned. No Qt here.
#pragma once

#include <string>
#include <sys/inotify.h>
#include <unistd.h>

class SubstituicoesContadas {
public:
    SubstituicoesContadas(const std::string& pasta, std::string nome) : nome_(std::move(nome)) {
        fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ::inotify_add_watch(fd_, pasta.c_str(), IN_MOVED_TO);
    }
    ~SubstituicoesContadas() { ::close(fd_); }
    SubstituicoesContadas(const SubstituicoesContadas&) = delete;
    SubstituicoesContadas& operator=(const SubstituicoesContadas&) = delete;

    int Contagem() {
        alignas(inotify_event) char eventos[4096];
        for (ssize_t lidos; (lidos = ::read(fd_, eventos, sizeof eventos)) > 0;)
            for (ssize_t i = 0; i < lidos;) {
                const auto* evento = reinterpret_cast<const inotify_event*>(eventos + i);
                if (evento->len > 0 && nome_ == evento->name)
                    ++total_;
                i += static_cast<ssize_t>(sizeof(inotify_event) + evento->len);
            }
        return total_;
    }

private:
    std::string nome_;
    int fd_ = -1;
    int total_ = 0;
};
