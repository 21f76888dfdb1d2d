// Where an account's server field points: the protocol, host, port and whether the dialogue runs
// inside TLS from the first byte. A bare host is the plain POP3 dialogue on port 110; port 995 and
// the pop3s:// form are TLS. imap:// is IMAP on port 143 (upgraded with STARTTLS when offered),
// imaps:// IMAP inside TLS on port 993.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quelza {

enum class ProtocoloEmail { Pop3, Imap };

struct EnderecoPop3 {
    std::string Host;
    std::uint16_t Porta = 110;
    bool Tls = false;
    ProtocoloEmail Protocolo = ProtocoloEmail::Pop3;
    bool operator==(const EnderecoPop3&) const = default;
};

// "host", "host:port", "pop3://host[:port]", "pop3s://host[:port]", "imap://host[:port]",
// "imaps://host[:port]", "[v6]", "[v6]:port", or a bare IPv6 address; blanks around are ignored and the
// scheme is read regardless of case. Nothing for an empty host, a port that is not a number from 1 to 65535,
// or anything after the port.
std::optional<EnderecoPop3> InterpretaServidorPop3(const std::string& servidor);

} // namespace quelza
