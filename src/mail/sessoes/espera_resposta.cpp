#include "mail/sessoes/espera_resposta.h"

#include "platform/rede/qt/aguarda_dados.h"

#include <QAbstractSocket>

#include <chrono>

namespace quelza {
namespace {

constexpr std::chrono::milliseconds PassoDaEspera{200};

bool interrompidas = false;
// The socket whose reply is awaited, so that a stop closes it at once.
QAbstractSocket* aguardado = nullptr;

void ExigeContinuar() {
    if (interrompidas)
        throw VerificacaoInterrompida{};
}

} // namespace

EsperaResposta::EsperaResposta(QAbstractSocket& sck, AmbienteSessao& ambiente)
    : sck_(sck), ambiente_(ambiente), anterior_(aguardado) {
    ExigeContinuar();
    aguardado = &sck_;
}

EsperaResposta::~EsperaResposta() { aguardado = anterior_; }

bool EsperaResposta::Pausa(bool conexaoTerminada) {
    ExigeContinuar();
    if (conexaoTerminada)
        return false;
    const auto agora = ambiente_.AgoraMonotono();
    if (!inicio_)
        inicio_ = agora;
    const std::chrono::duration<double> decorrido = agora - *inicio_;
    if (ambiente_.TempoDeEspera() < decorrido.count())
        return false;
    plataforma::AguardaDados(sck_, PassoDaEspera);
    ExigeContinuar();
    return true;
}

void InterrompeEsperas() {
    interrompidas = true;
    if (aguardado)
        aguardado->abort();
}

void LiberaEsperas() { interrompidas = false; }

bool EsperasInterrompidas() { return interrompidas; }

} // namespace quelza
