#include "platform/pasta_privada.h"

#include <cerrno>
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
    if ((info.st_mode & 07777) != 0700)
        return FalhaPasta::ModoAberto;
    if (::access(pasta.c_str(), W_OK | X_OK) != 0)
        return FalhaPasta::SemGravacao;
    return FalhaPasta::Nenhuma;
}

std::string DescreveFalhaPasta(FalhaPasta falha) {
    switch (falha) {
    case FalhaPasta::Nenhuma:
        return "";
    case FalhaPasta::NaoCriada:
        return "não existe e não pôde ser criada";
    case FalhaPasta::NaoEPasta:
        return "não é uma pasta (é um link ou um arquivo)";
    case FalhaPasta::OutroDono:
        return "pertence a outro usuário";
    case FalhaPasta::ModoAberto:
        return "pode ser aberta por outros usuários (o modo deve ser 0700)";
    case FalhaPasta::SemGravacao:
        return "não aceita gravação";
    }
    return "";
}

} // namespace plataforma
