// The reply wait for tests: the real one, serving window events until the socket speaks, but with
// a short real pause; a pause that ends by its limit counts as the whole limit on the test's clock,
// and one the socket ends counts as a millisecond of serving events, so a time-out takes the same
// number of pauses however busy the machine is. A live server on a loaded machine can take longer
// than the scripted ones' 50 ms to answer: its tests give the real pause room for that.
#pragma once

#include "platform/rede/qt/aguarda_dados.h"
#include "support/relogio_ajustavel.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>

class EsperaNoRelogio : public plataforma::Espera {
public:
    explicit EsperaNoRelogio(std::shared_ptr<RelogioAjustavel> relogio,
                             std::chrono::milliseconds pausaReal = std::chrono::milliseconds(50))
        : relogio_(std::move(relogio)), pausaReal_(pausaReal) {}

    bool Aguarda(QAbstractSocket& socket, std::chrono::milliseconds limite) override {
        ++pausas;
        if (aoAguardar)
            aoAguardar();
        const bool acordou = real_->Aguarda(socket, std::min(limite, pausaReal_));
        if (!acordou)
            ++pausasVazias;
        relogio_->Avanca(acordou ? std::chrono::milliseconds(1) : limite);
        return acordou;
    }

    int pausas = 0;
    int pausasVazias = 0;
    // Runs at the start of each pause, as an event served by the wait would.
    std::function<void()> aoAguardar;

private:
    std::shared_ptr<RelogioAjustavel> relogio_;
    std::chrono::milliseconds pausaReal_;
    std::shared_ptr<plataforma::Espera> real_ = plataforma::EsperaQt();
};
