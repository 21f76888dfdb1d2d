#include "mail/servidor_pop3.h"

#include "platform/texto/cp1252.h"

#include <string_view>

namespace quelza {
namespace {

constexpr std::uint16_t PortaPop3 = 110;
constexpr std::uint16_t PortaPop3s = 995;

// A scheme written before the host: the protocol, TLS from the first byte, and the port it implies.
struct Esquema {
    std::string_view Prefixo;
    ProtocoloEmail Protocolo;
    bool Tls;
    std::uint16_t Porta;
};
constexpr Esquema Esquemas[] = {
    {"pop3s://", ProtocoloEmail::Pop3, true, PortaPop3s},
    {"pop3://", ProtocoloEmail::Pop3, false, PortaPop3},
    {"imaps://", ProtocoloEmail::Imap, true, 993},
    {"imap://", ProtocoloEmail::Imap, false, 143},
};

std::string_view SemBrancos(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string_view::npos)
        return {};
    return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

bool TiraPrefixo(std::string_view& texto, std::string_view prefixo) {
    if (texto.size() < prefixo.size() ||
        !plataforma::IguaisSemCaixa(texto.substr(0, prefixo.size()), prefixo))
        return false;
    texto.remove_prefix(prefixo.size());
    return true;
}

std::optional<std::uint16_t> LePorta(std::string_view texto) {
    if (texto.empty() || texto.size() > 5)
        return std::nullopt;
    unsigned porta = 0;
    for (char c : texto) {
        if (c < '0' || c > '9')
            return std::nullopt;
        porta = porta * 10 + static_cast<unsigned>(c - '0');
    }
    if (porta < 1 || porta > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(porta);
}

} // namespace

std::optional<EnderecoPop3> InterpretaServidorPop3(const std::string& servidor) {
    std::string_view texto = SemBrancos(servidor);
    const Esquema* esquema = nullptr;
    for (const Esquema& e : Esquemas)
        if (!esquema && TiraPrefixo(texto, e.Prefixo))
            esquema = &e;

    std::string_view host = texto;
    std::string_view porta;
    if (texto.starts_with('[')) {
        const auto fecha = texto.find(']');
        if (fecha == std::string_view::npos)
            return std::nullopt;
        host = texto.substr(1, fecha - 1);
        const std::string_view resto = texto.substr(fecha + 1);
        if (!resto.empty()) {
            if (resto.front() != ':' || resto.size() == 1)
                return std::nullopt;
            porta = resto.substr(1);
        }
    } else if (const auto doisPontos = texto.find(':');
               doisPontos != std::string_view::npos &&
               texto.find(':', doisPontos + 1) == std::string_view::npos) {
        // One colon separates the port; more than one is an IPv6 address without brackets.
        host = texto.substr(0, doisPontos);
        porta = texto.substr(doisPontos + 1);
        if (porta.empty())
            return std::nullopt;
    }
    if (host.empty() || host.find_first_of(" \t/") != std::string_view::npos)
        return std::nullopt;

    EnderecoPop3 endereco{std::string(host), esquema ? esquema->Porta : PortaPop3, esquema && esquema->Tls,
                          esquema ? esquema->Protocolo : ProtocoloEmail::Pop3};
    if (!porta.empty()) {
        const auto numero = LePorta(porta);
        if (!numero)
            return std::nullopt;
        endereco.Porta = *numero;
        if (!esquema)
            endereco.Tls = *numero == PortaPop3s;
    }
    return endereco;
}

} // namespace quelza
