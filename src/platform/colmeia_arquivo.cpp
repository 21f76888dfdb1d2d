#include "platform/colmeia_arquivo.h"

#include "platform/arquivo_atomico.h"
#include "platform/colmeia.h"
#include "platform/colmeia_texto.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

namespace plataforma {
namespace {

struct Carga {
    Colmeia colmeia;
    bool danificada = false;
    std::string original;
};

std::optional<Carga> Carrega(const std::string& arquivo) {
    LeituraArquivo leitura = LeArquivoInteiro(arquivo);
    if (leitura.estado == EstadoLeitura::Falhou) {
        std::fprintf(stderr, "e-Telvanor: não foi possível ler o registro %s\n", arquivo.c_str());
        return std::nullopt;
    }
    // An absent or empty file held nothing that a new hive could lose.
    if (leitura.conteudo.find_first_not_of(" \t\r\n") == std::string::npos)
        return Carga{Colmeia::Nova(), false, {}};
    LeituraColmeia lida = InterpretaColmeia(leitura.conteudo);
    return Carga{std::move(lida.colmeia), lida.danificada, std::move(leitura.conteudo)};
}

bool Existe(const std::string& caminho) {
    struct stat info {};
    return ::lstat(caminho.c_str(), &info) == 0;
}

// Keeps the damaged file's whole content beside it, under a name no earlier copy holds.
bool GuardaCopia(const std::string& arquivo, const std::string& conteudo) {
    std::string copia = arquivo + ".danificado";
    for (int n = 2; Existe(copia); ++n)
        copia = arquivo + ".danificado." + std::to_string(n);
    if (!GravaArquivoAtomico(copia, conteudo, 0600)) {
        std::fprintf(stderr,
                     "e-Telvanor: o registro %s está danificado e não foi possível guardar uma cópia; "
                     "ele não foi alterado\n",
                     arquivo.c_str());
        return false;
    }
    std::fprintf(stderr, "e-Telvanor: o registro %s estava danificado; uma cópia foi guardada em %s\n",
                 arquivo.c_str(), copia.c_str());
    return true;
}

} // namespace

std::optional<Colmeia> LeColmeia() {
    auto carga = Carrega(ArquivoColmeia());
    if (!carga)
        return std::nullopt;
    return std::move(carga->colmeia);
}

ResultadoAlteracao AlteraColmeia(const std::function<bool(Colmeia&)>& altera) {
    const std::string arquivo = ArquivoColmeia();
    auto carga = Carrega(arquivo);
    if (!carga)
        return ResultadoAlteracao::Falhou;
    if (!altera(carga->colmeia))
        return ResultadoAlteracao::Inalterada;
    if (carga->danificada && !GuardaCopia(arquivo, carga->original))
        return ResultadoAlteracao::Falhou;
    if (!GravaArquivoAtomico(arquivo, EscreveColmeia(carga->colmeia), 0600)) {
        std::fprintf(stderr, "e-Telvanor: não foi possível gravar o registro %s\n", arquivo.c_str());
        return ResultadoAlteracao::Falhou;
    }
    return ResultadoAlteracao::Gravada;
}

} // namespace plataforma
