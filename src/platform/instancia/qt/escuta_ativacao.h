// The running instance's end of the activation socket: reads each peer's request as it comes, never
// waiting on a peer, and hands the request over once the peer hangs up. A peer that sends more than a
// request holds is dropped, and so is the oldest silent one when too many wait, so that no peer can
// hold the window or the process's files.
#pragma once

#include "platform/instancia/soquete_local.h"

#include <QSocketNotifier>

#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <string>

namespace plataforma {

class EscutaAtivacao {
public:
    static constexpr std::size_t ParesEmEspera = 8;

    // Listens at `caminho` (see EscutaSoqueteLocal: the caller holds the instance's lock); a socket
    // that cannot be opened is told in a diagnostic line.
    EscutaAtivacao(const std::string& caminho, std::size_t limite,
                   std::function<void(const std::string&)> aoReceber);
    // Closes every peer and removes the socket file.
    ~EscutaAtivacao();
    EscutaAtivacao(const EscutaAtivacao&) = delete;
    EscutaAtivacao& operator=(const EscutaAtivacao&) = delete;

private:
    // Destroyed in reverse order: the notifier before the socket it watches.
    struct Par {
        Descritor soquete;
        std::unique_ptr<QSocketNotifier> aviso;
        std::string recebido;
    };

    void Aceita();
    void Le(std::list<Par>::iterator par);

    std::string caminho_;
    std::size_t limite_;
    std::function<void(const std::string&)> aoReceber_;
    Descritor escuta_;
    std::unique_ptr<QSocketNotifier> avisoEscuta_;
    std::list<Par> pares_;
};

} // namespace plataforma
