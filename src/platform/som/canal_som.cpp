#include "platform/som/canal_som.h"

#include "platform/nucleo/sem_interrupcao.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>

namespace plataforma {
namespace {

constexpr std::size_t TamanhoValor = sizeof(std::uint32_t);

void AcrescentaValor(std::string& pacote, std::uint32_t valor) {
    for (std::size_t i = 0; i < TamanhoValor; ++i)
        pacote += static_cast<char>((valor >> (8 * i)) & 0xFFu);
}

std::uint32_t LeValor(std::string_view bytes) {
    std::uint32_t valor = 0;
    for (std::size_t i = 0; i < TamanhoValor; ++i)
        valor |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return valor;
}

} // namespace

// Toca: its type, its options, then 1 and the name, or 0 for a null name.
std::optional<std::string> CodificaPedido(const PedidoSom& pedido) {
    std::string pacote(1, static_cast<char>(pedido.tipo));
    if (pedido.tipo == PedidoSom::Tipo::Dispositivos)
        return pacote;
    AcrescentaValor(pacote, pedido.opcoes);
    pacote += pedido.nome ? '\1' : '\0';
    if (pedido.nome)
        pacote += *pedido.nome;
    if (pacote.size() > MaiorPacoteSom)
        return std::nullopt;
    return pacote;
}

std::optional<PedidoSom> InterpretaPedido(std::string_view pacote) {
    if (pacote == std::string_view("D", 1))
        return PedidoSom{};
    if (pacote.size() < 2 + TamanhoValor || pacote[0] != 'T' || (pacote[5] != '\0' && pacote[5] != '\1'))
        return std::nullopt;
    PedidoSom pedido{PedidoSom::Tipo::Toca, LeValor(pacote.substr(1)), std::nullopt};
    if (pacote[5] == '\1')
        pedido.nome.emplace(pacote.substr(6));
    else if (pacote.size() > 6)
        return std::nullopt;
    return pedido;
}

std::string CodificaResposta(std::uint32_t valor) {
    std::string pacote;
    AcrescentaValor(pacote, valor);
    return pacote;
}

std::optional<std::uint32_t> InterpretaResposta(std::string_view pacote) {
    if (pacote.size() != TamanhoValor)
        return std::nullopt;
    return LeValor(pacote);
}

bool EnviaPacote(int fd, std::string_view pacote) {
    return SemInterrupcao([&] { return ::send(fd, pacote.data(), pacote.size(), MSG_NOSIGNAL); }) ==
           static_cast<ssize_t>(pacote.size());
}

RecepcaoSom RecebePacote(int fd, std::string& pacote, int esperaMs) {
    pollfd espera{fd, POLLIN, 0};
    const int prontos = SemInterrupcao([&] { return ::poll(&espera, 1, esperaMs); });
    if (prontos == 0)
        return RecepcaoSom::Esgotado;
    if (prontos < 0)
        return RecepcaoSom::Fechado;
    char bytes[MaiorPacoteSom + 1];
    const ssize_t n =
        SemInterrupcao([&] { return ::recv(fd, bytes, sizeof bytes, MSG_DONTWAIT | MSG_TRUNC); });
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return RecepcaoSom::Esgotado;
    if (n <= 0 || static_cast<std::size_t>(n) > MaiorPacoteSom)
        return RecepcaoSom::Fechado;
    pacote.assign(bytes, static_cast<std::size_t>(n));
    return RecepcaoSom::Recebido;
}

} // namespace plataforma
