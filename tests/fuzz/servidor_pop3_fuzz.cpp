// An account's server field: any text is refused or gives a protocol, host, port and TLS choice
// that the written form of the same address with its scheme gives again.
#include "mail/servidor_pop3.h"

#include <cstdlib>

using namespace quelza;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string campo(reinterpret_cast<const char*>(dados), tamanho);
    const auto endereco = InterpretaServidorPop3(campo);
    if (!endereco)
        return 0;
    if (endereco->Host.empty() || endereco->Host.find_first_of(" \t/") != std::string::npos ||
        endereco->Porta == 0)
        std::abort();
    // A host holding a bracket ("[[x]" gives "[x") cannot be written back in either form; no name
    // holds one, so its lookup simply fails.
    if (endereco->Host.find_first_of("[]") != std::string::npos)
        return 0;
    const bool comDoisPontos = endereco->Host.find(':') != std::string::npos;
    const std::string host = comDoisPontos ? "[" + endereco->Host + "]" : endereco->Host;
    const bool imap = endereco->Protocolo == ProtocoloEmail::Imap;
    const std::string esquema = std::string(imap ? "imap" : "pop3") + (endereco->Tls ? "s://" : "://");
    const std::string escrito = esquema + host + ":" + std::to_string(endereco->Porta);
    if (InterpretaServidorPop3(escrito) != endereco)
        std::abort();
    return 0;
}
