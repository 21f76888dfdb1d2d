#include "platform/arquivos/trava_arquivo.h"

#include "platform/nucleo/sem_interrupcao.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <utility>

namespace plataforma {
namespace {

// Whether the path still names the open file: a writer may have renamed a new file over it while
// this one waited for the lock.
bool MesmoArquivo(int fd, const std::string& caminho) {
    struct stat aberto {};
    struct stat atual {};
    return ::fstat(fd, &aberto) == 0 && ::stat(caminho.c_str(), &atual) == 0 &&
           aberto.st_dev == atual.st_dev && aberto.st_ino == atual.st_ino;
}

int Trava(int fd) {
    return SemInterrupcao([fd] { return ::flock(fd, LOCK_EX); });
}

} // namespace

TravaArquivo::TravaArquivo(const std::string& caminho) {
    for (;;) {
        Descritor aberto(::open(caminho.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600));
        if (!aberto.Valido() || Trava(aberto.Fd()) != 0)
            return;
        if (MesmoArquivo(aberto.Fd(), caminho)) {
            arquivo_ = std::move(aberto);
            return;
        }
    }
}

bool TravaArquivo::Obtida() const { return arquivo_.Valido(); }

} // namespace plataforma
