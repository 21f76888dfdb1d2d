// The request a second start sends the running instance over its socket: "ativa", then one
// NAME=value line per activation token the second process was started with, so that the first may
// bring its window forward where the desktop asks for a token (xdg-activation, startup notification).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace plataforma {

using TokensAtivacao = std::vector<std::pair<std::string, std::string>>;

// The environment variables that carry a token.
inline constexpr const char* VariaveisAtivacao[] = {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"};

// The longest token value a request carries, and the most a request can hold: the running instance
// refuses a peer that sends more.
inline constexpr std::size_t TamanhoMaximoToken = 1024;
inline constexpr std::size_t TamanhoMaximoPedido = 4096;

// Tokens the running instance would drop are left out, so the request always fits.
std::string PedidoAtivacao(const TokensAtivacao& tokens);

// The tokens of a request; none when the text is not a request. Whatever another program of the user
// might send is only ever set as one of the variables above: other names, empty, overlong or
// non-printable values are dropped.
std::optional<TokensAtivacao> TokensDoPedido(const std::string& pedido);

} // namespace plataforma
