#include "mail/verificacao_contas.h"

namespace quelza {

// The mailbox dialogue comes with the mail check; until then a run finds nothing.
void VerificaTodasAsContas() {}

} // namespace quelza
