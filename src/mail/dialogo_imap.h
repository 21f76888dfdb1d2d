// The IMAP dialogue of one account as a state machine fed with whole responses: the greeting, the
// capabilities, the upgrade to TLS, LOGIN, the unseen count of INBOX and LOGOUT, with the label
// texts and failure texts of the POP3 check. No socket and no window here.
#pragma once

#include "mail/dialogo_pop3.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quelza {

// The first whole response at the buffer's start: its line and the literals it announces, each
// followed by the rest of the line, up to the CR LF that ends it. `tamanho` is its length when the
// state is Linha; a response longer than LimiteLinhaPop3 is Excedido.
EstadoBuffer AvaliaBufferImap(std::string_view buffer, std::size_t& tamanho);

// A user name or password as an IMAP string: quoted where it can be, else a literal. The literal's
// announcement ends its part: what follows is sent once the server asks for it (or at once when
// `semEspera`, a server announcing LITERAL+).
std::vector<std::string> CadeiaImap(const std::string& texto, bool semEspera);

// What the session does next.
struct AcaoImap {
    enum class Tipo { Aguarda, Envia, IniciaTls, Conta, Falha, ErroExecucao };
    Tipo Tipo = Tipo::Aguarda;
    std::string Comando;              // Envia: the bytes to write
    std::vector<const char*> Rotulos; // Envia: the labels shown before writing, in order
    const char* Falha = nullptr;      // Falha: the label's text, before the time
    std::string Dica;                 // Falha, ErroExecucao: the tooltip's line
    double Contagem = 0;              // Conta: the unseen messages of INBOX
};

// The server forbids LOGIN (LOGINDISABLED) on a connection that cannot be made safer: the password
// is never sent.
inline constexpr const char* DicaLoginDesabilitado = "Erro. Login Desabilitado.";

class DialogoImap {
public:
    // `tls`: the connection is inside TLS from its first byte.
    DialogoImap(std::string usuario, std::string senha, bool tls);

    // One whole response, as framed by AvaliaBufferImap.
    AcaoImap Recebe(std::string_view resposta);
    // The handshake asked for by IniciaTls has succeeded.
    AcaoImap TlsEstabelecido();
    // The failure when the awaited response does not come (time-out, closed connection, a response
    // past the limit).
    AcaoImap SemResposta() const;
    // The last line, sent without waiting for its answer.
    std::string Logout();

private:
    enum class Etapa { Saudacao, Capacidade, StartTls, Login, Estado };
    AcaoImap Negocia();
    AcaoImap Comando(Etapa etapa, const std::string& texto);
    AcaoImap Login();
    AcaoImap Falha(const char* texto, std::string dica = {}) const;
    const char* FalhaDaEtapa() const;
    void LeCapacidades(std::string_view lista);
    AcaoImap Respondida(std::string_view estado);
    void LeEstado(std::string_view resto);

    std::string usuario_, senha_;
    bool tls_;
    Etapa etapa_ = Etapa::Saudacao;
    int numero_ = 0;
    std::string tag_;
    bool capacidadesLidas_ = false;
    bool startTls_ = false, loginDesabilitado_ = false, literalMais_ = false;
    std::vector<AcaoImap> pendentes_; // the rest of a LOGIN sent in parts, last part first
    bool contou_ = false;
    double contagem_ = 0;
};

} // namespace quelza
