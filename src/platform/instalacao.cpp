#include "platform/instalacao.h"

#include "platform/arquivo_atomico.h"
#include "platform/nome_arquivo.h"
#include "platform/pastas.h"

#include <filesystem>
#include <unistd.h>

namespace plataforma {
namespace {

namespace fs = std::filesystem;

bool Existe(const std::string& caminho) {
    std::error_code erro;
    return fs::exists(caminho, erro);
}

// Where the user's copy of a file of an installed program folder lives; nothing for a path outside
// the folder, or when the folder is the user's own.
std::optional<fs::path> CopiaDoUsuario(const std::string& caminho) {
    const fs::path relativo =
        fs::path(caminho).lexically_normal().lexically_relative(fs::path(PastaPrograma()).lexically_normal());
    if (relativo.empty() || relativo == "." || *relativo.begin() == ".." || !ProgramaInstalado())
        return std::nullopt;
    return fs::path(PastaUsuario()) / relativo;
}

} // namespace

bool ProgramaInstalado() {
    const std::string pasta = PastaPrograma();
    return ::access((pasta + "/" + MarcaInstalacao).c_str(), F_OK) == 0 || ::access(pasta.c_str(), W_OK) != 0;
}

std::string CaminhoDeLeitura(const std::string& caminho) {
    if (const auto copia = CopiaDoUsuario(caminho)) {
        std::string propria = ResolveNome(copia->string());
        if (Existe(propria))
            return propria;
    }
    return ResolveNome(caminho);
}

std::optional<std::string> CaminhoDeGravacao(const std::string& caminho) {
    const auto copia = CopiaDoUsuario(caminho);
    if (!copia)
        return ResolveNome(caminho);
    const std::string propria = ResolveNome(copia->string());
    if (Existe(propria))
        return propria;
    std::error_code erro;
    fs::create_directories(copia->parent_path(), erro);
    // The copy keeps the installed file's spelling, so both names keep reading the same file.
    const std::string instalado = ResolveNome(caminho);
    const std::string nova = (copia->parent_path() / fs::path(instalado).filename()).string();
    const LeituraArquivo leitura = LeArquivoInteiro(instalado);
    if (leitura.estado == EstadoLeitura::Falhou)
        return std::nullopt;
    if (leitura.estado == EstadoLeitura::Lido && !GravaArquivoAtomico(nova, leitura.conteudo))
        return std::nullopt;
    return nova;
}

} // namespace plataforma
