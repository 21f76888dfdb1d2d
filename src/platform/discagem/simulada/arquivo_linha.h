// The simulated line's state file, shared by every process of the user: a small binary record mapped
// into memory, so that a reader learns of another process's change by comparing bytes. It keeps
// the record; what the record means is conexao_simulada.h's business.
#pragma once

#include "platform/discagem/simulada/conexao_simulada.h"

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>

namespace plataforma {

// The file's whole content, in this machine's byte order. A file of another size or version, or
// whose bytes make no connection, is taken for no connection and rewritten by the next change.
struct DadosLinha {
    std::uint32_t versao;
    std::uint32_t geracao;  // bumped by every change; readers compare it with their copy's
    HRASCONN ultimaConexao; // the last handle given out, so handles are not reused soon
    ConexaoSimulada conexao;
};
static_assert(std::is_trivially_copyable_v<DadosLinha>, "it is the bytes of a file shared between processes");

class ArquivoLinha {
public:
    explicit ArquivoLinha(const std::string& caminho);
    ~ArquivoLinha();
    ArquivoLinha(const ArquivoLinha&) = delete;
    ArquivoLinha& operator=(const ArquivoLinha&) = delete;

    // False when the file could not be opened or mapped; the line then has nothing to report.
    bool Aberto() const { return dados_ != nullptr; }

    // The connection as last written by any process, or no connection when the record is damaged.
    // Only a change made since the previous call costs more than comparing the record's bytes.
    const ConexaoSimulada& Le();

    // Runs `muda` on the record with every other process kept out, then publishes the change.
    bool Altera(const std::function<void(DadosLinha&)>& muda);

private:
    int fd_ = -1;
    DadosLinha* dados_ = nullptr;
    bool copiaValida_ = false;
    unsigned char bruto_[sizeof(DadosLinha)] = {}; // the record's bytes when `copia_` was made
    ConexaoSimulada copia_;
};

} // namespace plataforma
