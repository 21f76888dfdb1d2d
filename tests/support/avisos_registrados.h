// Desktop notices for tests: kept in order, none shown.
#pragma once

#include "platform/avisos/qt/aviso_desktop.h"

#include <vector>

class AvisosRegistrados : public plataforma::AvisosDesktop {
public:
    void Mostra(const plataforma::AvisoDesktop& aviso) override { avisos.push_back(aviso); }
    std::vector<plataforma::AvisoDesktop> avisos;
};
