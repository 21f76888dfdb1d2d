// The calls to NetworkManager over one bus connection: each asynchronous, with a time-out; an answer
// that arrives after NetworkManager went away (Esquece) is dropped, and a refusal is written to the
// diagnostics.
#pragma once

#include "platform/discagem/networkmanager/tipos_nm.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QObject>

#include <cstdint>

namespace plataforma::nm {

// A property's value as a reply or signal carries it: plain, or still marshalled.
template <class T> T Valor(const QVariant& valor) {
    if (valor.userType() == qMetaTypeId<QDBusVariant>())
        return Valor<T>(qvariant_cast<QDBusVariant>(valor).variant());
    if (valor.userType() == qMetaTypeId<QDBusArgument>())
        return qdbus_cast<T>(valor);
    return qvariant_cast<T>(valor);
}

class BarramentoNm final : public QObject {
public:
    // `prazoMs`: how long any call may go unanswered.
    BarramentoNm(QDBusConnection conexao, int prazoMs);

    QDBusConnection& Conexao() { return conexao_; }

    static QDBusMessage Chamada(const QString& caminho, QLatin1StringView interface, const QString& metodo);
    static QDBusMessage Chamada(QLatin1StringView caminho, QLatin1StringView interface,
                                const QString& metodo) {
        return Chamada(QString(caminho), interface, metodo);
    }

    // Sends `mensagem`; `resposta` gets the reply, an error or the time-out's.
    template <class Resposta> void Envia(const QDBusMessage& mensagem, Resposta resposta) {
        auto* espera = new QDBusPendingCallWatcher(conexao_.asyncCall(mensagem, prazoMs_), this);
        const std::uint64_t geracao = geracao_;
        connect(espera, &QDBusPendingCallWatcher::finished, this,
                [this, espera, geracao, resposta = std::move(resposta)]() mutable {
                    espera->deleteLater();
                    const QDBusMessage recebida = espera->reply();
                    if (recebida.type() == QDBusMessage::ErrorMessage)
                        Recusada(recebida);
                    if (geracao == geracao_)
                        resposta(recebida);
                });
    }

    // NetworkManager went away: answers to the calls sent so far are dropped.
    void Esquece() { ++geracao_; }

private:
    static void Recusada(const QDBusMessage& erro);

    QDBusConnection conexao_;
    int prazoMs_;
    std::uint64_t geracao_ = 0;
};

} // namespace plataforma::nm
