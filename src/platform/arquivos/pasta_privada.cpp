#include "platform/arquivos/pasta_privada.h"

#include <cerrno>
#include <cstddef>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace plataforma {

FalhaPasta GarantePastaPrivada(const std::string& pasta, uid_t dono) {
    struct stat info {};
    if (::lstat(pasta.c_str(), &info) != 0) {
        if (errno != ENOENT || ::mkdir(pasta.c_str(), 0700) != 0)
            return FalhaPasta::NaoCriada;
        // Whoever won a race to the name may have made something else of it: look again.
        if (::lstat(pasta.c_str(), &info) != 0)
            return FalhaPasta::NaoCriada;
    }
    if (!S_ISDIR(info.st_mode))
        return FalhaPasta::NaoEPasta;
    if (info.st_uid != dono)
        return FalhaPasta::OutroDono;
    if ((info.st_mode & 07077) != 0)
        return FalhaPasta::ModoAberto;
    // The mode decides for every user alike: the superuser, whom access() lets write anywhere,
    // is refused a folder its owner has closed too. access() then tells of a read-only mount.
    if ((info.st_mode & 0700) != 0700 || ::access(pasta.c_str(), W_OK | X_OK) != 0)
        return FalhaPasta::SemGravacao;
    return FalhaPasta::Nenhuma;
}

std::string DescreveFalhaPasta(FalhaPasta falha) {
    static constexpr const char* Razoes[] = {
        "",
        "não existe e não pôde ser criada",
        "não é uma pasta (é um link ou um arquivo)",
        "pertence a outro usuário",
        "pode ser aberta por outros usuários (o modo deve ser 0700)",
        "não aceita gravação (o modo deve ser 0700)",
    };
    static_assert(std::size(Razoes) == static_cast<std::size_t>(FalhaPasta::SemGravacao) + 1);
    return Razoes[static_cast<std::size_t>(falha)];
}

} // namespace plataforma
