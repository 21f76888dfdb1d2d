// The screens a window may stand on, and whether the platform lets a program know and choose where
// its window stands (a Wayland compositor places windows itself and never tells).
#pragma once

#include "platform/nucleo/backend.h"

#include <QRect>

#include <memory>
#include <vector>

class QWidget;

namespace plataforma {

class Telas {
public:
    virtual ~Telas() = default;
    // Each screen's rectangle in the desktop's pixels, and the primary one's.
    virtual std::vector<QRect> Geometrias() const = 0;
    virtual QRect Primaria() const = 0;
    virtual bool PosicaoConhecida() const = 0;
};

template <> std::shared_ptr<Telas> BackendPadrao<Telas>();

// The window system in use is Wayland, native.
bool SessaoWayland();

// Under Wayland, hands the move of the window to the compositor, which follows the pointer until
// the button is released; true when it took it. Elsewhere nothing happens and the answer is false.
bool MovimentoPeloSistema(QWidget& janela);

} // namespace plataforma
