#include "support/ambiente.h"

#include "platform/qt/bandeja.h"
#include "platform/qt/instancia.h"
#include "platform/qt/shell.h"
#include "platform/qt/som.h"
#include "settings/quelza.h"

AmbienteTeste::AmbienteTeste() {
    quelza::ReiniciaQuelza();
    plataforma::DefineInterfaceUsuario(interface);
    plataforma::DefineEventos(eventos);
    plataforma::DefineRelogio(relogio);
    plataforma::DefineInstancia(instancia);
    plataforma::DefineBandeja(bandeja);
    plataforma::DefineSom(som);
    plataforma::DefineShell(shell);
}

AmbienteTeste::~AmbienteTeste() {
    plataforma::DefineInterfaceUsuario(nullptr);
    plataforma::DefineEventos(nullptr);
    plataforma::DefineRelogio(nullptr);
    plataforma::DefineInstancia(nullptr);
    plataforma::DefineBandeja(nullptr);
    plataforma::DefineSom(nullptr);
    plataforma::DefineShell(nullptr);
    quelza::ReiniciaQuelza();
}
