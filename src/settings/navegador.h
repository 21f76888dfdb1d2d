// The browser's settings the program manages: start page, home-page lock policy and automatic
// dialing switched off. Written through module Registro; nothing is read back.
#pragma once

namespace quelza {

// Applies PáginaInicial and PáginaTravada and switches autodial off for the default profile.
void AjustaNavegador();

// Switches the browser's automatic dialing off for the default profile ("EnableAutodial", four zero
// bytes).
void DesligaDiscagemAutomatica();

} // namespace quelza
