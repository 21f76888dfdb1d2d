// The program and its sound process talk over a local packet socket (AF_UNIX, SOCK_SEQPACKET): the
// program sends one request, the process answers it with one reply, each a packet of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plataforma {

// The sound process finds its end of the socket open at this descriptor.
inline constexpr int DescritorCanalSom = 3;

// Large enough for any path the system can open and the request around it.
inline constexpr std::size_t MaiorPacoteSom = 4096 + 16;

struct PedidoSom {
    enum class Tipo : char { Dispositivos = 'D', Toca = 'T' };
    Tipo tipo = Tipo::Dispositivos;
    // What Toca is asked to play: its options, and its name, none for a null name.
    std::uint32_t opcoes = 0;
    std::optional<std::string> nome;
};

// The packet of `pedido`; none when it would not fit in one.
std::optional<std::string> CodificaPedido(const PedidoSom& pedido);
// None for a packet that is no request.
std::optional<PedidoSom> InterpretaPedido(std::string_view pacote);

// Either reply is a count: the devices, or 1 for a cue that plays and 0 for one that does not.
std::string CodificaResposta(std::uint32_t valor);
std::optional<std::uint32_t> InterpretaResposta(std::string_view pacote);

bool EnviaPacote(int fd, std::string_view pacote);

enum class RecepcaoSom {
    Recebido,
    Esgotado, // nothing came within the wait
    Fechado,  // the peer is gone, the socket failed or the packet was larger than any request
};

// Waits up to `esperaMs` milliseconds (0: does not wait) for the next packet.
RecepcaoSom RecebePacote(int fd, std::string& pacote, int esperaMs);

} // namespace plataforma
