#include "platform/perfil/perfil.h"

#include "platform/arquivos/arquivo_atomico.h"
#include "platform/arquivos/instalacao.h"
#include "platform/arquivos/trava_arquivo.h"
#include "platform/perfil/perfil_texto.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace plataforma {
namespace {

// The file's text as it stands; a missing or unreadable file reads as an empty one. Callers name
// the same settings file "Config.ini" and "config.ini", as a case-blind file system allows, so an
// existing file of the same name in another case stands for a missing one (and a write never leaves
// two files that the reads confuse). An installed copy reads the user's own copy first.
std::string TextoDe(const char* arquivo) {
    return arquivo ? LeArquivoInteiro(CaminhoDeLeitura(arquivo)).conteudo : std::string();
}

std::uint32_t CopiaTexto(std::string_view texto, char* buffer, std::uint32_t tamanho) {
    if (!buffer || tamanho == 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(texto.size(), tamanho - 1);
    std::memcpy(buffer, texto.data(), n);
    buffer[n] = '\0';
    return static_cast<std::uint32_t>(n);
}

// A list of names, each ended by a NUL, the whole by a second NUL. When it does not fit, it is cut
// and still ends with two NULs.
std::uint32_t CopiaLista(const std::vector<std::string>& nomes, char* buffer, std::uint32_t tamanho) {
    if (!buffer || tamanho == 0)
        return 0;
    if (tamanho == 1) {
        buffer[0] = '\0';
        return 0;
    }
    std::string lista;
    for (const std::string& nome : nomes)
        lista.append(nome).push_back('\0');
    // The list's own last NUL is one of the final pair, so a list that fits is copied whole.
    const std::size_t n = std::min<std::size_t>(lista.size(), tamanho - 2);
    std::memcpy(buffer, lista.data(), n);
    buffer[n] = '\0';
    buffer[n + 1] = '\0';
    return static_cast<std::uint32_t>(lista.size() + 1 <= tamanho ? lista.size() : n);
}

} // namespace

std::uint32_t GetPrivateProfileStringA(const char* secao, const char* chave, const char* padrao, char* buffer,
                                       std::uint32_t tamanho, const char* arquivo) {
    const std::string texto = TextoDe(arquivo);
    if (!secao)
        return CopiaLista(NomesSecoes(texto), buffer, tamanho);
    if (!chave)
        return CopiaLista(NomesChaves(texto, secao), buffer, tamanho);
    const auto valor = LeValorPerfil(texto, secao, chave);
    return CopiaTexto(valor ? std::string_view(*valor) : std::string_view(padrao ? padrao : ""), buffer,
                      tamanho);
}

std::uint32_t GetPrivateProfileSectionNamesA(char* buffer, std::uint32_t tamanho, const char* arquivo) {
    return CopiaLista(NomesSecoes(TextoDe(arquivo)), buffer, tamanho);
}

bool WritePrivateProfileStringA(const char* secao, const char* chave, const char* valor,
                                const char* arquivo) {
    if (!secao || !arquivo || (chave && valor && !GravavelNoPerfil(secao, chave, valor)))
        return false;
    const std::optional<std::string> caminho = CaminhoDeGravacao(arquivo);
    if (!caminho)
        return false;
    struct stat info {};
    const bool existia = ::stat(caminho->c_str(), &info) == 0;
    // Another process may be writing the same file: read it again under the lock, or one of the two
    // changes is lost.
    const TravaArquivo trava(*caminho);
    LeituraArquivo leitura = LeArquivoInteiro(*caminho);
    if (leitura.estado == EstadoLeitura::Falhou)
        return false;
    std::string& texto = leitura.conteudo;
    if (!chave)
        RemoveSecaoPerfil(texto, secao);
    else if (!valor)
        RemoveChavePerfil(texto, secao, chave);
    else
        GravaValorPerfil(texto, secao, chave, valor);
    if (!existia && texto.empty()) {
        // Removing from a file that does not exist leaves no file behind, not even the lock's.
        if (trava.Obtida() && ::stat(caminho->c_str(), &info) == 0 && info.st_size == 0)
            ::unlink(caminho->c_str());
        return true;
    }
    // The lock creates a missing file 0600; a new settings file gets the usual mode instead.
    std::optional<mode_t> modo;
    if (!existia) {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        modo = 0666 & ~mascara;
    }
    return GravaArquivoAtomico(*caminho, texto, modo);
}

} // namespace plataforma
