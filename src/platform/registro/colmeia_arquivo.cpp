#include "platform/registro/colmeia_arquivo.h"

#include "platform/arquivos/arquivo_atomico.h"
#include "platform/arquivos/trava_arquivo.h"
#include "platform/nucleo/diagnostico.h"
#include "platform/registro/colmeia.h"
#include "platform/registro/colmeia_texto.h"

#include <ctime>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace plataforma {
namespace {

// What tells one state of the file from another without reading it. A file rewritten in place keeps
// its inode, and its times move in steps that two quick writes of the same size can share; so a file
// changed less than kMargemSegundos before it was read is read again at the next call.
constexpr std::time_t kMargemSegundos = 2;

struct Identidade {
    dev_t dispositivo = 0;
    ino_t inode = 0;
    off_t tamanho = 0;
    timespec modificado{};
    timespec alterado{};

    bool operator==(const Identidade& outra) const {
        return dispositivo == outra.dispositivo && inode == outra.inode && tamanho == outra.tamanho &&
               modificado.tv_sec == outra.modificado.tv_sec &&
               modificado.tv_nsec == outra.modificado.tv_nsec && alterado.tv_sec == outra.alterado.tv_sec &&
               alterado.tv_nsec == outra.alterado.tv_nsec;
    }
};

Identidade IdentidadeDe(const struct stat& info) {
    return Identidade{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

// Nothing when there is no file.
std::optional<Identidade> IdentidadeDe(const std::string& arquivo) {
    struct stat info {};
    if (::stat(arquivo.c_str(), &info) != 0)
        return std::nullopt;
    return IdentidadeDe(info);
}

bool Recente(const std::optional<Identidade>& identidade) {
    return identidade && identidade->modificado.tv_sec + kMargemSegundos >= std::time(nullptr);
}

// The hive last read or written, the file state it matches and the open batch.
struct Memoria {
    std::string arquivo;
    bool valida = false;
    bool confiavel = false; // its file state can stand for its content
    std::optional<Identidade> identidade;
    std::shared_ptr<Colmeia> colmeia;
    bool danificada = false;
    std::string original; // the damaged text, to be kept aside before it is replaced

    int lotes = 0;
    bool loteLido = false;
    bool loteAlterado = false;
    std::unique_ptr<TravaArquivo> trava;
};

Memoria& Estado() {
    static Memoria memoria;
    return memoria;
}

// Brings the memory in line with the file; false when the file cannot be read.
bool Carrega(Memoria& m, const std::string& arquivo) {
    std::optional<Identidade> identidade = IdentidadeDe(arquivo);
    if (m.valida && m.confiavel && m.arquivo == arquivo && m.identidade == identidade)
        return true;
    m.valida = false;
    LeituraArquivo leitura = LeArquivoInteiro(arquivo);
    if (leitura.estado == EstadoLeitura::Falhou) {
        Diagnostico("não foi possível ler o registro " + arquivo);
        return false;
    }
    m.arquivo = arquivo;
    m.identidade = identidade;
    m.confiavel = !Recente(identidade);
    m.original.clear();
    // An absent or empty file held nothing that a new hive could lose.
    if (leitura.conteudo.find_first_not_of(" \t\r\n") == std::string::npos) {
        m.colmeia = std::make_shared<Colmeia>(Colmeia::Nova());
        m.danificada = false;
    } else {
        LeituraColmeia lida = InterpretaColmeia(leitura.conteudo);
        m.colmeia = std::make_shared<Colmeia>(std::move(lida.colmeia));
        m.danificada = lida.danificada;
        if (m.danificada)
            m.original = std::move(leitura.conteudo);
    }
    m.valida = true;
    return true;
}

// The hive to change, copied first when a reader still holds it.
Colmeia& Alteravel(Memoria& m) {
    if (m.colmeia.use_count() > 1)
        m.colmeia = std::make_shared<Colmeia>(*m.colmeia);
    return *m.colmeia;
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
        Diagnostico("o registro " + arquivo +
                    " está danificado e não foi possível guardar uma cópia; ele não foi alterado");
        return false;
    }
    Diagnostico("o registro " + arquivo + " estava danificado; uma cópia foi guardada em " + copia);
    return true;
}

// Writes the changed memory over the file. On failure the memory no longer matches the file and is
// dropped, so the next call reads the file again.
bool Grava(Memoria& m) {
    bool gravada = !m.danificada || GuardaCopia(m.arquivo, m.original);
    struct stat escrito {};
    if (gravada && !GravaArquivoAtomico(m.arquivo, EscreveColmeia(*m.colmeia), 0600, &escrito)) {
        Diagnostico("não foi possível gravar o registro " + m.arquivo);
        gravada = false;
    }
    if (!gravada) {
        m.valida = false;
        return false;
    }
    // Every writer replaces the file by a rename, so the new inode stands for this content. It is
    // taken from the written file, not the name: the lock held is the replaced file's, and the next
    // writer may already have put its own file at the name.
    m.identidade = IdentidadeDe(escrito);
    m.confiavel = true;
    m.danificada = false;
    m.original.clear();
    return true;
}

} // namespace

std::shared_ptr<const Colmeia> LeColmeia() {
    Memoria& m = Estado();
    if (m.lotes > 0 && m.loteLido)
        return m.colmeia;
    if (!Carrega(m, ArquivoColmeia()))
        return nullptr;
    return m.colmeia;
}

ResultadoAlteracao AlteraColmeia(const std::function<bool(Colmeia&)>& altera) {
    Memoria& m = Estado();
    if (m.lotes > 0) {
        if (!m.loteLido)
            return ResultadoAlteracao::Falhou;
        if (!altera(Alteravel(m)))
            return ResultadoAlteracao::Inalterada;
        m.loteAlterado = true;
        return ResultadoAlteracao::Gravada;
    }
    const std::string arquivo = ArquivoColmeia();
    const TravaArquivo trava(arquivo);
    if (!Carrega(m, arquivo))
        return ResultadoAlteracao::Falhou;
    if (!altera(Alteravel(m)))
        return ResultadoAlteracao::Inalterada;
    return Grava(m) ? ResultadoAlteracao::Gravada : ResultadoAlteracao::Falhou;
}

void AbreLoteColmeia() {
    Memoria& m = Estado();
    if (m.lotes++ > 0)
        return;
    const std::string arquivo = ArquivoColmeia();
    m.trava = std::make_unique<TravaArquivo>(arquivo);
    m.loteLido = Carrega(m, arquivo);
    m.loteAlterado = false;
}

bool FechaLoteColmeia() {
    Memoria& m = Estado();
    if (m.lotes == 0 || --m.lotes > 0)
        return true;
    const bool gravado = m.loteLido && (!m.loteAlterado || Grava(m));
    m.trava.reset();
    return gravado;
}

} // namespace plataforma
