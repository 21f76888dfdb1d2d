#include "mail/sessoes/sessoes_rede.h"

#include "mail/sessoes/espera_resposta.h"
#include "mail/sessoes/sessao_imap.h"
#include "mail/sessoes/sessao_pop3.h"

namespace quelza {
namespace {

// A stop inside a wait leaves the session here, its socket already closed on the way out.
template <class Sessao> std::optional<std::string> AteInterromper(Sessao&& sessao) {
    try {
        return sessao();
    } catch (const VerificacaoInterrompida&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<std::string> SessoesRede::VerificaPop3(const std::string& servidor, const std::string& usuario,
                                                     const std::string& senha, AmbienteSessao& ambiente) {
    return AteInterromper([&] { return VerificaContaPOP3(servidor, usuario, senha, ambiente); });
}

std::optional<std::string> SessoesRede::VerificaImap(const EnderecoPop3& endereco, const std::string& usuario,
                                                     const std::string& senha, AmbienteSessao& ambiente) {
    return AteInterromper([&] { return VerificaContaIMAP(endereco, usuario, senha, ambiente); });
}

void SessoesRede::Interrompe() { InterrompeEsperas(); }
void SessoesRede::Libera() { LiberaEsperas(); }
bool SessoesRede::Interrompidas() const { return EsperasInterrompidas(); }

} // namespace quelza
