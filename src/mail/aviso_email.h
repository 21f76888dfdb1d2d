// The desktop notice of new mail at the end of a run: shown when the run's total is above 0 and
// above what the connection's last run found, with each account's count in its body; its default
// action opens the mail program as the mail indicator does.
#pragma once

#include "platform/avisos/qt/aviso_desktop.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quelza {

struct ContagemDaConta {
    std::string Nome;
    std::int16_t Mensagens = 0;
};

// The notice for a run that found `total` after a run that found `anterior`, or nothing. The body
// lists the accounts that hold messages, one a line.
std::optional<plataforma::AvisoDesktop> AvisoNovoEmail(std::int16_t total, std::int16_t anterior,
                                                       const std::vector<ContagemDaConta>& contas);

// At a run's end, with TotalDeMensagens complete: shows the notice while AvisarNovoEmail is on and
// keeps the total as TotalAnteriorEmail.
void AvisaNovoEmail(const std::vector<ContagemDaConta>& contas);

} // namespace quelza
