#include "platform/arquivos/arquivo_atomico.h"

#include "platform/nucleo/sem_interrupcao.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plataforma {
namespace {

bool GravaTudo(int fd, std::string_view conteudo) {
    while (!conteudo.empty()) {
        const ssize_t n = SemInterrupcao([&] { return ::write(fd, conteudo.data(), conteudo.size()); });
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

// A temporary file of ours is "<name>.XXXXXX", the six characters mkostemp's.
bool TemporarioDe(std::string_view entrada, std::string_view nome) {
    if (entrada.size() != nome.size() + 7 || entrada.substr(0, nome.size()) != nome ||
        entrada[nome.size()] != '.')
        return false;
    for (const char c : entrada.substr(nome.size() + 1))
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// Removes the temporary files that writers killed mid-write left beside `destino`. A writer holds
// its temporary file's lock until the rename, so a file whose lock is free has no writer any more.
void RemoveOrfaos(const std::string& pasta, const std::string& destino) {
    const std::string nome = destino.substr(destino.rfind('/') + 1);
    DIR* diretorio = ::opendir(pasta.c_str());
    if (!diretorio)
        return;
    while (const dirent* entrada = ::readdir(diretorio)) {
        if (!TemporarioDe(entrada->d_name, nome))
            continue;
        const std::string caminho = pasta + "/" + entrada->d_name;
        const int fd = ::open(caminho.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(caminho.c_str());
        ::close(fd);
    }
    ::closedir(diretorio);
}

// A new temporary file beside `destino`, locked. The lock is taken after the file exists, so a
// cleaner may remove it in between; then another one is made.
int CriaTemporario(const std::string& destino, std::string& temporario) {
    for (int tentativa = 0; tentativa < 16; ++tentativa) {
        temporario = destino + ".XXXXXX";
        const int fd = ::mkostemp(temporario.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        struct stat info {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0)
            return fd;
        ::close(fd);
    }
    return -1;
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
    // Read straight into the text, grown as the file turns out longer than it said.
    struct stat info {};
    std::size_t tamanho =
        ::fstat(fd, &info) == 0 && info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    std::string& texto = leitura.conteudo;
    std::size_t lidos = 0;
    for (;;) {
        if (lidos == texto.size())
            texto.resize(std::max<std::size_t>({tamanho + 1, texto.size() * 2, 4096}));
        const ssize_t n =
            SemInterrupcao([&] { return ::read(fd, texto.data() + lidos, texto.size() - lidos); });
        if (n < 0)
            leitura.estado = EstadoLeitura::Falhou;
        if (n <= 0)
            break;
        lidos += static_cast<std::size_t>(n);
    }
    texto.resize(lidos);
    ::close(fd);
    if (leitura.estado == EstadoLeitura::Falhou)
        leitura.conteudo.clear();
    return leitura;
}

namespace {

enum class Colocacao { Substitui, SoSeAusente };

// The whole content in a temporary file beside `destino`, flushed to disk, then put at the name: by a
// rename over it, or by a link that fails when the name is taken. The temporary name never outlives
// the call.
bool Coloca(const std::string& destino, std::string_view conteudo, mode_t modo, struct stat* escrito,
            Colocacao colocacao) {
    std::string temporario;
    const int fd = CriaTemporario(destino, temporario);
    if (fd < 0)
        return false;
    const bool gravado = GravaTudo(fd, conteudo) && ::fchmod(fd, modo) == 0 && ::fsync(fd) == 0;
    // Put in place while still open and locked, so no cleaner takes it for an orphan before then.
    const bool colocado =
        gravado && (colocacao == Colocacao::Substitui ? ::rename(temporario.c_str(), destino.c_str()) == 0
                                                      : ::link(temporario.c_str(), destino.c_str()) == 0);
    if (!colocado || colocacao == Colocacao::SoSeAusente)
        ::unlink(temporario.c_str());
    const bool estado = !colocado || escrito == nullptr || ::fstat(fd, escrito) == 0;
    const bool fechado = ::close(fd) == 0;
    if (!colocado)
        return false;
    const std::string pasta = Pasta(destino);
    SincronizaPasta(pasta);
    RemoveOrfaos(pasta, destino);
    return fechado && estado;
}

} // namespace

bool GravaArquivoAtomico(const std::string& caminho, std::string_view conteudo, std::optional<mode_t> modo,
                         struct stat* escrito) {
    const std::string destino = Destino(caminho);
    return Coloca(destino, conteudo, ModoPara(destino, modo), escrito, Colocacao::Substitui);
}

bool CriaArquivoAtomico(const std::string& caminho, std::string_view conteudo, mode_t modo) {
    return Coloca(caminho, conteudo, modo, nullptr, Colocacao::SoSeAusente);
}

} // namespace plataforma
