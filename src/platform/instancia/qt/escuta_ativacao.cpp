#include "platform/instancia/qt/escuta_ativacao.h"

#include "platform/nucleo/diagnostico.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace plataforma {

EscutaAtivacao::EscutaAtivacao(const std::string& caminho, std::size_t limite,
                               std::function<void(const std::string&)> aoReceber)
    : caminho_(caminho), limite_(limite), aoReceber_(std::move(aoReceber)),
      escuta_(EscutaSoqueteLocal(caminho)) {
    if (!escuta_.Valido()) {
        Diagnostico("um segundo início não poderá trazer a janela: " + caminho + ": " + std::strerror(errno));
        return;
    }
    avisoEscuta_ = std::make_unique<QSocketNotifier>(escuta_.Fd(), QSocketNotifier::Read);
    QObject::connect(avisoEscuta_.get(), &QSocketNotifier::activated, [this] { Aceita(); });
}

EscutaAtivacao::~EscutaAtivacao() {
    if (escuta_.Valido())
        ::unlink(caminho_.c_str());
}

void EscutaAtivacao::Aceita() {
    for (Descritor soquete = AceitaSoqueteLocal(escuta_); soquete.Valido();
         soquete = AceitaSoqueteLocal(escuta_)) {
        if (pares_.size() == ParesEmEspera)
            pares_.pop_front();
        auto aviso = std::make_unique<QSocketNotifier>(soquete.Fd(), QSocketNotifier::Read);
        const auto par = pares_.insert(pares_.end(), Par{std::move(soquete), std::move(aviso), {}});
        QObject::connect(par->aviso.get(), &QSocketNotifier::activated, [this, par] { Le(par); });
    }
}

void EscutaAtivacao::Le(std::list<Par>::iterator par) {
    const EstadoLeitura estado = LeDisponivel(par->soquete, par->recebido, limite_);
    if (estado == EstadoLeitura::Aberta)
        return;
    // Qt lets a notifier be deleted from its own signal.
    const std::string pedido = std::move(par->recebido);
    pares_.erase(par);
    if (estado == EstadoLeitura::Terminada)
        aoReceber_(pedido);
}

} // namespace plataforma
