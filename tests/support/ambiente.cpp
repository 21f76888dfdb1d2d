#include "support/ambiente.h"

#include "platform/qt/instancia.h"
#include "settings/quelza.h"

AmbienteTeste::AmbienteTeste() {
    quelza::ReiniciaQuelza();
    plataforma::DefineInterfaceUsuario(interface);
    plataforma::DefineEventos(eventos);
    plataforma::DefineRelogio(relogio);
    plataforma::DefineInstancia(instancia);
}

AmbienteTeste::~AmbienteTeste() {
    plataforma::DefineInterfaceUsuario(nullptr);
    plataforma::DefineEventos(nullptr);
    plataforma::DefineRelogio(nullptr);
    plataforma::DefineInstancia(nullptr);
    quelza::ReiniciaQuelza();
}
