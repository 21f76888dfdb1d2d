// The ground of a widget test: its own folders, the module variables reset, scripted message boxes,
// a counted event pump, a clock that stands still, the simulated line, as `main` chooses it, and the
// mail sessions built in.
#pragma once

#include "platform/discagem/simulada/linha_simulada.h"
#include "support/avisos_registrados.h"
#include "support/bandeja_registrada.h"
#include "support/eventos_contados.h"
#include "support/instancia_roteirizada.h"
#include "support/interface_roteirizada.h"
#include "support/pastas_temporarias.h"
#include "support/relogio_ajustavel.h"
#include "support/shell_registrado.h"
#include "support/som_registrado.h"

#include <gtest/gtest.h>

#include <memory>

class AmbienteTeste : public ::testing::Test {
protected:
    AmbienteTeste();
    ~AmbienteTeste() override;

    PastasTemporarias pastas;
    std::shared_ptr<InterfaceRoteirizada> interface = std::make_shared<InterfaceRoteirizada>();
    std::shared_ptr<EventosContados> eventos = std::make_shared<EventosContados>();
    std::shared_ptr<RelogioAjustavel> relogio = std::make_shared<RelogioAjustavel>();
    std::shared_ptr<InstanciaRoteirizada> instancia = std::make_shared<InstanciaRoteirizada>();
    std::shared_ptr<BandejaRegistrada> bandeja = std::make_shared<BandejaRegistrada>();
    std::shared_ptr<SomRegistrado> som = std::make_shared<SomRegistrado>();
    // No test starts a real program or powers the machine off.
    std::shared_ptr<ShellRegistrado> shell = std::make_shared<ShellRegistrado>();
    std::shared_ptr<AvisosRegistrados> avisos = std::make_shared<AvisosRegistrados>();
    // On the folders above.
    std::shared_ptr<plataforma::LinhaSimulada> linhaSimulada = plataforma::LinhaSimuladaDoUsuario();
};
