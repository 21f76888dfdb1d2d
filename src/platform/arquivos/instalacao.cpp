#include "platform/arquivos/instalacao.h"

#include "platform/arquivos/arquivo_atomico.h"
#include "platform/arquivos/nome_arquivo.h"
#include "platform/arquivos/pastas.h"

#include <filesystem>
#include <unistd.h>

namespace plataforma {
namespace {

namespace fs = std::filesystem;

bool Existe(const std::string& caminho) {
    std::error_code erro;
    return fs::exists(caminho, erro);
}

// A file of an installed program folder as each user sees it: the user's copy, and the installed
// file that copy starts from and that stands for it until it exists. The installed file is the
// system-wide defaults' file of the same path when the administrator keeps one, otherwise the program
// folder's own.
struct Copia {
    fs::path usuario;
    std::string instalado;
};

// Nothing for a path outside the folder, or when the folder is the user's own.
std::optional<Copia> CopiaDoUsuario(const std::string& caminho) {
    const fs::path relativo =
        fs::path(caminho).lexically_normal().lexically_relative(fs::path(PastaPrograma()).lexically_normal());
    if (relativo.empty() || relativo == "." || *relativo.begin() == ".." || !ProgramaInstalado())
        return std::nullopt;
    const std::string padrao = ResolveNome((fs::path(PastaPadroes()) / relativo).string());
    return Copia{fs::path(PastaUsuario()) / relativo, Existe(padrao) ? padrao : ResolveNome(caminho)};
}

} // namespace

bool ProgramaInstalado() {
    const std::string pasta = PastaPrograma();
    return ::access((pasta + "/" + MarcaInstalacao).c_str(), F_OK) == 0 || ::access(pasta.c_str(), W_OK) != 0;
}

std::string CaminhoDeLeitura(const std::string& caminho) {
    const auto copia = CopiaDoUsuario(caminho);
    if (!copia)
        return ResolveNome(caminho);
    std::string propria = ResolveNome(copia->usuario.string());
    return Existe(propria) ? propria : copia->instalado;
}

std::optional<std::string> CaminhoDeGravacao(const std::string& caminho) {
    const auto copia = CopiaDoUsuario(caminho);
    if (!copia)
        return ResolveNome(caminho);
    const std::string propria = ResolveNome(copia->usuario.string());
    if (Existe(propria))
        return propria;
    std::error_code erro;
    fs::create_directories(copia->usuario.parent_path(), erro);
    // The copy keeps the installed file's spelling, so both names keep reading the same file.
    const std::string nova = (copia->usuario.parent_path() / fs::path(copia->instalado).filename()).string();
    const LeituraArquivo leitura = LeArquivoInteiro(copia->instalado);
    if (leitura.estado == EstadoLeitura::Falhou)
        return std::nullopt;
    if (leitura.estado == EstadoLeitura::Lido && !GravaArquivoAtomico(nova, leitura.conteudo))
        return std::nullopt;
    return nova;
}

} // namespace plataforma
