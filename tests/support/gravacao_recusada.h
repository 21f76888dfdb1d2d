// A failing-write double for the settings stores: while one lives, every write of a file by this
// process fails as on a full disk, so the settings file and the per-user store refuse their writes
// and keep what they held, while reads go on. Real refusals, not a stand-in: the stores meet them as
// they would on a user's machine. No Qt here.
#pragma once

#include <csignal>
#include <sys/resource.h>

class GravacaoRecusada {
public:
    GravacaoRecusada() {
        ::getrlimit(RLIMIT_FSIZE, &antes_);
        // A write past the limit raises SIGXFSZ, which would end the process; ignored, it fails with
        // EFBIG instead.
        sinalAntes_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nenhum = antes_;
        nenhum.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &nenhum);
    }
    ~GravacaoRecusada() {
        ::setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, sinalAntes_);
    }
    GravacaoRecusada(const GravacaoRecusada&) = delete;
    GravacaoRecusada& operator=(const GravacaoRecusada&) = delete;

private:
    rlimit antes_{};
    void (*sinalAntes_)(int) = nullptr;
};
