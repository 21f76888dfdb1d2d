#include "mail/aviso_email.h"

#include "mail/cliente_email.h"
#include "mail/dialogo_pop3.h"
#include "settings/quelza.h"

namespace quelza {

std::optional<plataforma::AvisoDesktop> AvisoNovoEmail(std::int16_t total, std::int16_t anterior,
                                                       const std::vector<ContagemDaConta>& contas) {
    if (total <= 0 || total <= anterior)
        return std::nullopt;
    plataforma::AvisoDesktop aviso{"e-Telvanor", "e-telvanor", "Você tem " + TextoMensagensDaConta(total),
                                   ""};
    for (const ContagemDaConta& conta : contas)
        if (conta.Mensagens > 0)
            aviso.Corpo += (aviso.Corpo.empty() ? "" : "\n") + conta.Nome + ": " +
                           TextoMensagensDaConta(conta.Mensagens);
    return aviso;
}

void AvisaNovoEmail(const std::vector<ContagemDaConta>& contas) {
    const auto aviso = AvisoNovoEmail(TotalDeMensagens, TotalAnteriorEmail, contas);
    TotalAnteriorEmail = TotalDeMensagens;
    if (!aviso || AvisarNovoEmail != 1)
        return;
    plataforma::DefineAcaoAviso([] { AbreClienteDeEmail(0); });
    plataforma::MostraAvisoDesktop(*aviso);
}

} // namespace quelza
