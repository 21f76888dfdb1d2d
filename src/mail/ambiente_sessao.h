// The program's side of a mail session: the registered window, the run's total and the reply
// time-out of the module variables, the program's clock and its event pump.
#pragma once

#include "mail/sessoes_email.h"

namespace quelza {

AmbienteSessao& AmbienteDoPrograma();

} // namespace quelza
