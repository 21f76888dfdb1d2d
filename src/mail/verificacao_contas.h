// The run over every mail account, counting the messages waiting in each mailbox. One run at a
// time: a run asked for while another is under way (from inside its reply wait) does nothing.
#pragma once

namespace quelza {

void VerificaTodasAsContas();

// Stops the run under way at once: the socket of its account closes, no further account is asked
// and no cue plays. Nothing happens when no run is under way.
void InterrompeVerificacao();

} // namespace quelza
