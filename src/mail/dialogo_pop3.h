// The POP3 dialogue of one account as data and pure functions: the steps with their label texts,
// commands and failure texts, the framing and judging of replies, the STAT count, and the texts a
// run writes. No socket and no window here.
#pragma once

#include "platform/nucleo/relogio.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quelza {

// The longest reply line taken, CR LF included; a longer one is a failed reply.
inline constexpr std::size_t LimiteLinhaPop3 = std::size_t{64} * 1024;

inline constexpr const char* CodigoAceito = "+OK";
inline constexpr const char* ComandoQuit = "QUIT\r\n";

// One waited step: the label before its command (null: unchanged), the line sent (empty for the
// greeting, which is only waited for), and the label's text when the wait fails, before the time.
struct PassoPop3 {
    const char* Rotulo;
    std::string Comando;
    const char* Falha;
};

enum PassoDialogo { PassoSaudacao, PassoUsuario, PassoSenha, PassoEstado };

// The greeting, USER, PASS and STAT steps, in order. Texts are UTF-8; the line is sent in the code
// page of the system's texts.
std::array<PassoPop3, 4> PassosPop3(const std::string& usuario, const std::string& senha);

// What the reply buffer holds, once the received bytes are framed into lines.
enum class EstadoBuffer { Incompleto, Linha, Excedido };
EstadoBuffer AvaliaBuffer(const std::string& buffer);

// Adds received bytes while no whole line is held, keeping at most one line's worth: the buffer
// never grows past LimiteLinhaPop3 whatever the server sends.
void AcrescentaResposta(std::string& buffer, std::string_view pedaco);

// Takes the first whole line out of the buffer, without its CR LF. Call only on EstadoBuffer::Linha.
std::string TiraLinha(std::string& buffer);

bool RespostaAceita(const std::string& resposta, const std::string& codigo);

// A failure the dialogue cannot go on from (a STAT reply it cannot cut, a total past 16 bits, a
// send on a closed connection): the account ends on the run-time error path. `Dica` is its line in
// the tooltip.
struct ErroExecucaoPop3 {
    std::string Dica;
};

// The count of a STAT reply: the text from its fifth character up to the first blank at or after
// it, read as a leading number. Throws ErroExecucaoPop3 when there is no such blank.
double ContagemStat(const std::string& resposta);

// The run's total after adding a count, rounded as a 16-bit integer is assigned; throws
// ErroExecucaoPop3 when it does not fit.
std::int16_t SomaMensagens(std::int16_t total, double contagem);

// "hh:mm", 24-hour, of the local time.
std::string HoraMinuto(plataforma::Instante instante);

// The label after a counted account: "0 mensagens às 09:30", "1 mensagem às 09:30", "3 mensagens às
// 09:30". A total below 1 reads 0.
std::string TextoTotal(std::int16_t total, const std::string& hora);

// The label after a run-time error: "0 mensagens." or "3 mensagens. Erro às 09:30".
std::string TextoErroExecucao(std::int16_t total, const std::string& hora);

// The tooltip's word for one account's own count: "1 mensagem", "3 mensagens".
std::string TextoMensagensDaConta(long long contagem);

// A failure text without its trailing blank, as the tooltip shows it.
std::string DicaDaFalha(const char* falha);

inline constexpr const char* DicaCertificado = "certificado não confiável";
inline constexpr const char* DicaServidorInvalido = "Erro. Servidor Inválido.";
inline constexpr const char* DicaConexaoInterrompida = "Erro. Conexão Interrompida.";

} // namespace quelza
