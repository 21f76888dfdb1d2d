// One account's dialogue with its mail server over the network, POP3 or IMAP, plain or inside TLS.
// The sessions live in a module of the program folder, loaded on the first check that asks a server,
// so that the network and TLS libraries load only once mail is checked. Tests choose the sessions
// built into them.
#pragma once

#include "mail/janela_email.h"
#include "mail/servidor_pop3.h"
#include "platform/nucleo/backend.h"
#include "platform/nucleo/relogio.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace quelza {

// What a session reads and writes of the program, handed to it: the module holds none of it.
class AmbienteSessao {
public:
    virtual ~AmbienteSessao() = default;
    // The window the labels and pictures go to, or null.
    virtual JanelaEmail* Janela() = 0;
    // The run's total so far; a counted mailbox adds its count.
    virtual std::int16_t& TotalDeMensagens() = 0;
    // Seconds a reply is awaited, read at every pass of a wait.
    virtual double TempoDeEspera() = 0;
    virtual plataforma::Instante Agora() = 0;
    virtual plataforma::InstanteMonotono AgoraMonotono() = 0;
    virtual void DoEvents() = 0;
};

class SessoesEmail {
public:
    virtual ~SessoesEmail() = default;
    // Each talks to one account, writes the mail label at each step, adds the mailbox's count to the
    // total and shows the indicator's picture. Returns the account's own outcome as its tooltip line
    // shows it, or nothing when the run was stopped meanwhile. The socket is closed on every way out.
    virtual std::optional<std::string> VerificaPop3(const std::string& servidor, const std::string& usuario,
                                                    const std::string& senha, AmbienteSessao& ambiente) = 0;
    virtual std::optional<std::string> VerificaImap(const EnderecoPop3& endereco, const std::string& usuario,
                                                    const std::string& senha, AmbienteSessao& ambiente) = 0;
    // Stops every wait: the socket awaited now closes at once, and this and every later session ends
    // with nothing until Libera.
    virtual void Interrompe() = 0;
    virtual void Libera() = 0;
    virtual bool Interrompidas() const = 0;
};

// The module's one entry point, `extern "C"` under this name: makes its sessions, which the caller owns.
inline constexpr char EntradaModuloEmail[] = "telvanor_email_cria";

// The sessions of the module at `caminho`, loaded on the first account asked. Without it every account
// ends on the run-time error path, and one diagnostic line says why.
std::shared_ptr<SessoesEmail> SessoesDoModulo(std::string caminho);

} // namespace quelza

namespace plataforma {
// The module beside the running executable.
template <> std::shared_ptr<quelza::SessoesEmail> BackendPadrao<quelza::SessoesEmail>();
} // namespace plataforma
