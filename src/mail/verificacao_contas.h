// The run over every mail account, counting the messages waiting in each mailbox. One run at a
// time: a run asked for while another is under way (from inside its reply wait) does nothing.
#pragma once

namespace quelza {

void VerificaTodasAsContas();

} // namespace quelza
