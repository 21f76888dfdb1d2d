#include "platform/discagem/networkmanager/tipos_nm.h"

#include <QDBusMetaType>

namespace plataforma::nm {

void RegistraTipos() {
    // The agent's slots name the type by its alias; exporting them looks it up by that name.
    qRegisterMetaType<Configuracao>("plataforma::nm::Configuracao");
    qDBusRegisterMetaType<Configuracao>();
    qDBusRegisterMetaType<SegredosVpn>();
}

} // namespace plataforma::nm
