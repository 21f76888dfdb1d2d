// The screens stand-in for tests: the screens and the platform's answer are set by the test.
#pragma once

#include "platform/interface/qt/telas.h"

#include <vector>

class TelasRoteirizadas : public plataforma::Telas {
public:
    std::vector<QRect> Geometrias() const override { return telas; }
    QRect Primaria() const override { return primaria; }
    bool PosicaoConhecida() const override { return conhecida; }

    std::vector<QRect> telas{QRect(0, 0, 800, 600)};
    QRect primaria{0, 0, 800, 600};
    bool conhecida = true;
};
