#include "support/ambiente.h"

#include "settings/quelza.h"

AmbienteTeste::AmbienteTeste() {
    quelza::ReiniciaQuelza();
    plataforma::DefineInterfaceUsuario(interface);
    plataforma::DefineEventos(eventos);
    plataforma::DefineRelogio(relogio);
}

AmbienteTeste::~AmbienteTeste() {
    plataforma::DefineInterfaceUsuario(nullptr);
    plataforma::DefineEventos(nullptr);
    plataforma::DefineRelogio(nullptr);
    quelza::ReiniciaQuelza();
}
