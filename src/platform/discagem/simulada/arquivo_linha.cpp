#include "platform/discagem/simulada/arquivo_linha.h"

#include <atomic>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plataforma {
namespace {

constexpr std::uint32_t VersaoDados = 1;

// flock, not fcntl locks: they belong to the open file, so closing another descriptor of the same
// file elsewhere in the process cannot drop them.
class Trava {
public:
    Trava(int fd, int modo) : fd_(fd) { ::flock(fd_, modo); }
    ~Trava() { ::flock(fd_, LOCK_UN); }
    Trava(const Trava&) = delete;
    Trava& operator=(const Trava&) = delete;

private:
    int fd_;
};

std::atomic_ref<std::uint32_t> Geracao(DadosLinha& dados) {
    return std::atomic_ref<std::uint32_t>(dados.geracao);
}

// Another process, or a hand, may have cut the file short; reading the mapping past its end would
// kill the program. The poller asks this many times a tick: seeking to the end tells the size at a
// third of the cost of a stat, and nothing here uses the descriptor's offset.
bool TamanhoCerto(int fd) { return ::lseek(fd, 0, SEEK_END) == static_cast<off_t>(sizeof(DadosLinha)); }

// The record's connection when its bytes make one of this version; nothing otherwise.
std::optional<ConexaoSimulada> ConexaoDoRegistro(const unsigned char* bytes) {
    std::uint32_t versao;
    std::memcpy(&versao, bytes + offsetof(DadosLinha, versao), sizeof versao);
    if (versao != VersaoDados)
        return std::nullopt;
    return ConexaoDosBytes(bytes + offsetof(DadosLinha, conexao));
}

} // namespace

ArquivoLinha::ArquivoLinha(const std::string& caminho) {
    // Never through a link: whoever placed one would have the line's state written over its target.
    fd_ = ::open(caminho.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0)
        return;
    {
        Trava trava(fd_, LOCK_EX);
        struct stat info {};
        if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))
            return;
        if (info.st_size != static_cast<off_t>(sizeof(DadosLinha))) {
            if (::ftruncate(fd_, 0) != 0 || ::ftruncate(fd_, sizeof(DadosLinha)) != 0)
                return;
        }
        void* mapa = ::mmap(nullptr, sizeof(DadosLinha), PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
        if (mapa == MAP_FAILED)
            return;
        dados_ = static_cast<DadosLinha*>(mapa);
        if (dados_->versao != VersaoDados) {
            std::memset(static_cast<void*>(dados_), 0, sizeof(DadosLinha));
            dados_->versao = VersaoDados;
        }
    }
}

ArquivoLinha::~ArquivoLinha() {
    if (dados_)
        ::munmap(dados_, sizeof(DadosLinha));
    if (fd_ >= 0)
        ::close(fd_);
}

const ConexaoSimulada& ArquivoLinha::Le() {
    if (!dados_)
        return copia_;
    if (!TamanhoCerto(fd_)) {
        copia_ = {};
        copiaValida_ = false;
        return copia_;
    }
    // The whole record is compared, not only its generation: a hand or a stray program may change
    // any byte without bumping it, and every read must see what the file holds.
    if (copiaValida_ && std::memcmp(bruto_, static_cast<const void*>(dados_), sizeof bruto_) == 0)
        return copia_;
    Trava trava(fd_, LOCK_SH);
    std::memcpy(bruto_, static_cast<const void*>(dados_), sizeof bruto_);
    // A damaged record reads as no connection until the next change rewrites it.
    copia_ = ConexaoDoRegistro(bruto_).value_or(ConexaoSimulada{});
    copiaValida_ = true;
    return copia_;
}

bool ArquivoLinha::Altera(const std::function<void(DadosLinha&)>& muda) {
    if (!dados_)
        return false;
    Trava trava(fd_, LOCK_EX);
    if (!TamanhoCerto(fd_) && ::ftruncate(fd_, sizeof(DadosLinha)) != 0)
        return false;
    unsigned char bytes[sizeof(DadosLinha)];
    std::memcpy(bytes, static_cast<const void*>(dados_), sizeof bytes);
    if (!ConexaoDoRegistro(bytes)) {
        const std::uint32_t geracao = Geracao(*dados_).load(std::memory_order_relaxed);
        std::memset(static_cast<void*>(dados_), 0, sizeof(DadosLinha));
        dados_->versao = VersaoDados;
        dados_->geracao = geracao;
    }
    muda(*dados_);
    Geracao(*dados_).fetch_add(1, std::memory_order_release);
    return true;
}

} // namespace plataforma
