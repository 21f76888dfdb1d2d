// An advisory lock on a whole file for one read-modify-write: while a holder lives, every other holder
// of the same file, in this process or another, waits. The file is created when missing.
#pragma once

#include "platform/nucleo/descritor.h"

#include <string>

namespace plataforma {

class TravaArquivo {
public:
    // Creates the file if missing (mode 0600) and waits for the exclusive lock. Writers replace the
    // file by renaming a new one over it, so the lock is taken again on the file the path names
    // once it is held.
    explicit TravaArquivo(const std::string& caminho);
    TravaArquivo(const TravaArquivo&) = delete;
    TravaArquivo& operator=(const TravaArquivo&) = delete;

    // False when the file could not be opened or locked; the caller goes on unlocked.
    bool Obtida() const;

private:
    Descritor arquivo_;
};

} // namespace plataforma
