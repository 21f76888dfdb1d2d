// The run over every mail account, counting the messages waiting in each mailbox.
#pragma once

namespace quelza {

void VerificaTodasAsContas();

} // namespace quelza
