// System calls that a signal may interrupt before they do anything (EINTR) are simply made again.
#pragma once

#include <cerrno>

namespace plataforma {

// Makes `chamada` again for as long as it fails with EINTR; its last result, errno as it left it.
template <class Chamada> auto SemInterrupcao(Chamada chamada) {
    for (;;) {
        const auto resultado = chamada();
        if (resultado >= 0 || errno != EINTR)
            return resultado;
    }
}

} // namespace plataforma
