// Plain local stream sockets (AF_UNIX) at a path in a private folder: the listening end of the single
// instance, the end a second start connects from, and reads that never wait on a peer. Nothing here
// follows a link.
#pragma once

#include "platform/nucleo/descritor.h"

#include <cstddef>
#include <string>

namespace plataforma {

// Listens at `caminho`, non-blocking, through a socket file of mode 0600. Whatever is left at the
// path (the socket of a copy that was killed, or a link, which goes itself) is removed first: call
// this only while holding the lock that makes this process the one to listen there. Invalid on
// failure, a path too long for a socket address included.
Descritor EscutaSoqueteLocal(const std::string& caminho);

// The next peer waiting on `escuta`, non-blocking; invalid when none waits.
Descritor AceitaSoqueteLocal(const Descritor& escuta);

// Connects to the socket at `caminho` when it is a socket of this user's and not a link. Connecting
// and every send give up after `esperaMs` milliseconds.
Descritor ConectaSoqueteLocal(const std::string& caminho, int esperaMs);

// Writes all of `texto`; false when the peer or the wait gave out.
bool EnviaTudo(const Descritor& soquete, const std::string& texto);

enum class EstadoLeitura {
    Aberta,    // all that waited is read, more may come
    Terminada, // the peer hung up
    Recusada,  // more than the limit came, or the socket failed
};

// Appends what waits on the non-blocking `soquete` to `recebido`, which never grows past `limite`.
EstadoLeitura LeDisponivel(const Descritor& soquete, std::string& recebido, std::size_t limite);

} // namespace plataforma
