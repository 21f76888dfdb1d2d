// The notification-area icon: add, remove and change it through the icon record the module keeps.
#pragma once

#include "controls/controles.h"

#include <string>

namespace quelza {

// "ADICIONA", "DELETA" or "ALTERA", in any case; the text is upper-cased in place.
void ÍconeBandeja(std::string& operação, const Figura& figura, const Figura& figuraNova);

} // namespace quelza
