#include "platform/arquivo_atomico.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plataforma {
namespace {

bool GravaTudo(int fd, std::string_view conteudo) {
    while (!conteudo.empty()) {
        const ssize_t n = ::write(fd, conteudo.data(), conteudo.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        conteudo.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string Destino(const std::string& caminho) {
    struct stat info {};
    if (::lstat(caminho.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return caminho;
    char resolvido[PATH_MAX];
    return ::realpath(caminho.c_str(), resolvido) ? std::string(resolvido) : caminho;
}

mode_t ModoPara(const std::string& caminho, std::optional<mode_t> modo) {
    if (modo)
        return *modo;
    struct stat info {};
    if (::stat(caminho.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

std::string Pasta(const std::string& caminho) {
    const auto barra = caminho.rfind('/');
    if (barra == std::string::npos)
        return ".";
    return barra == 0 ? "/" : caminho.substr(0, barra);
}

// The rename is durable only once the folder entry itself reaches the disk.
void SincronizaPasta(const std::string& pasta) {
    const int fd = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

LeituraArquivo LeArquivoInteiro(const std::string& caminho) {
    LeituraArquivo leitura;
    const int fd = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        leitura.estado = errno == ENOENT ? EstadoLeitura::Ausente : EstadoLeitura::Falhou;
        return leitura;
    }
    leitura.estado = EstadoLeitura::Lido;
    char bloco[8192];
    for (;;) {
        const ssize_t n = ::read(fd, bloco, sizeof bloco);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            leitura.estado = EstadoLeitura::Falhou;
        if (n <= 0)
            break;
        leitura.conteudo.append(bloco, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (leitura.estado == EstadoLeitura::Falhou)
        leitura.conteudo.clear();
    return leitura;
}

bool GravaArquivoAtomico(const std::string& caminho, std::string_view conteudo, std::optional<mode_t> modo) {
    const std::string destino = Destino(caminho);
    const mode_t modoFinal = ModoPara(destino, modo);
    std::string temporario = destino + ".XXXXXX";
    const int fd = ::mkostemp(temporario.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool gravado = GravaTudo(fd, conteudo) && ::fchmod(fd, modoFinal) == 0 && ::fsync(fd) == 0;
    const bool fechado = ::close(fd) == 0;
    if (!gravado || !fechado || ::rename(temporario.c_str(), destino.c_str()) != 0) {
        ::unlink(temporario.c_str());
        return false;
    }
    SincronizaPasta(Pasta(destino));
    return true;
}

} // namespace plataforma
