// What the first start and the migration from the previous version set up: the sound cues under the
// program folder, the window position, starting with Windows, and the Run entry that follows it.
// Nothing here catches; the callers decide whether a failure stops them.
#pragma once

namespace quelza {

// Sounds on with the shipped cues, position 1130/1130, start with Windows "1" (variables only).
void DefinePadroesIniciais();

// Saves what DefinePadroesIniciais set, with "IE" as IniciarIE and "Versão" "31", to the per-user
// store.
void SalvaPadroesIniciais();

// The start-with-Windows value: the program with "/bandeja" when on, the empty text when off (the
// value is kept, never deleted).
void GravaEntradaIniciarComWindows(bool ligado);

} // namespace quelza
