// A folder outside the user's own tree (the runtime folder under /tmp) is trusted only when nobody
// else can have placed or changed it: a real directory, not a link, owned by the user, mode 0700.
#pragma once

#include <string>
#include <sys/types.h>

namespace plataforma {

enum class FalhaPasta {
    Nenhuma,
    NaoCriada,   // missing, and mkdir failed
    NaoEPasta,   // a link, a file or anything but a directory
    OutroDono,   // owned by another user
    ModoAberto,  // others may enter or write it, or it has set-id or sticky bits
    SemGravacao, // ours and private, but closed to writing by its mode or a read-only mount
};

// Creates the folder with mode 0700 when it is missing (its parent must exist), then checks it as
// above for the user `dono`. The folder's mode is never changed to make it fit.
FalhaPasta GarantePastaPrivada(const std::string& pasta, uid_t dono);

// The reason in words, for the message that names the folder.
std::string DescreveFalhaPasta(FalhaPasta falha);

} // namespace plataforma
