// Whole-file reads and crash-safe whole-file replacement for the stores kept in files. A crash during
// a write leaves either the old content or the new one, never a mix; the lock that
// keeps two writers apart is trava_arquivo.h's.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>

namespace plataforma {

enum class EstadoLeitura { Lido, Ausente, Falhou };

struct LeituraArquivo {
    EstadoLeitura estado = EstadoLeitura::Ausente;
    std::string conteudo;
};

LeituraArquivo LeArquivoInteiro(const std::string& caminho);

// Writes a temporary file beside the target, flushes it to disk and renames it over the target; then
// removes the temporary files of earlier writes to the target that were killed before their rename.
// Without `modo`, an existing file keeps its mode and a new one gets 0666 less the umask. A symbolic
// link is followed, so the file it names is replaced and the link stays. `escrito`, when given,
// receives the state of the written file once renamed, read from the file itself: another writer may
// already have put a file of its own at the name.
bool GravaArquivoAtomico(const std::string& caminho, std::string_view conteudo,
                         std::optional<mode_t> modo = std::nullopt, struct stat* escrito = nullptr);

// Creates the file whole with `modo`, in the same safe way, only when nothing stands at the name:
// false, and the name left as it was, when something does or the file could not be written.
bool CriaArquivoAtomico(const std::string& caminho, std::string_view conteudo, mode_t modo);

} // namespace plataforma
