#include "platform/discagem/networkmanager/barramento_nm.h"

#include "platform/nucleo/diagnostico.h"

namespace plataforma::nm {

BarramentoNm::BarramentoNm(QDBusConnection conexao, int prazoMs)
    : conexao_(std::move(conexao)), prazoMs_(prazoMs) {
    RegistraTipos();
}

QDBusMessage BarramentoNm::Chamada(const QString& caminho, QLatin1StringView interface,
                                   const QString& metodo) {
    return QDBusMessage::createMethodCall(Servico, caminho, interface, metodo);
}

void BarramentoNm::Recusada(const QDBusMessage& erro) {
    Diagnostico("o NetworkManager respondeu " + erro.errorName().toStdString() + ": " +
                erro.errorMessage().toStdString());
}

} // namespace plataforma::nm
