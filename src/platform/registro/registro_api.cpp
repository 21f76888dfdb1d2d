#include "platform/registro/registro_api.h"

#include "platform/nucleo/diagnostico.h"
#include "platform/registro/colmeia_arquivo.h"
#include "platform/sessao/autoinicio.h"
#include "platform/texto/cp1252.h"
#include "platform/texto/texto_guardado.h"

#include <map>
#include <optional>
#include <string>

namespace plataforma {
namespace {

constexpr std::string_view kChaveRun = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kValorRun = "e-Telvanor";

// Open keys by handle. The program opens and closes a key within one operation on its single thread,
// so a plain table is enough; handles are never reused, so a stale one stays invalid.
struct TabelaChaves {
    std::map<HKEY, std::string> abertas;
    HKEY proxima = 0x100;
};

TabelaChaves& Tabela() {
    static TabelaChaves tabela;
    return tabela;
}

const char* NomeRaiz(HKEY chave) {
    for (const RaizRegistro& raiz : kRaizesRegistro)
        if (raiz.chave == chave)
            return raiz.nome;
    return nullptr;
}

std::optional<std::string> CaminhoDe(HKEY chave) {
    if (const char* raiz = NomeRaiz(chave))
        return std::string(raiz);
    const auto aberta = Tabela().abertas.find(chave);
    if (aberta == Tabela().abertas.end())
        return std::nullopt;
    return aberta->second;
}

HKEY Abre(const std::string& caminho) {
    TabelaChaves& tabela = Tabela();
    const HKEY chave = tabela.proxima;
    tabela.proxima += 4;
    tabela.abertas.emplace(chave, caminho);
    return chave;
}

std::optional<std::string> CaminhoCompleto(const std::string& base, const char* subchave) {
    const std::string caminho = subchave && *subchave ? base + "\\" + subchave : base;
    if (!CaminhoChaveValido(caminho))
        return std::nullopt;
    return caminho;
}

void EspelhaSeRun(const std::string& caminho, std::string_view nome, std::uint32_t tipo,
                  const std::string& dados) {
    if (tipo == REG_SZ && IguaisSemCaixa(caminho, kChaveRun) && IguaisSemCaixa(nome, kValorRun) &&
        !EspelhaAutoinicio(DeTextoGuardado(dados)))
        Diagnostico("não foi possível gravar " + ArquivoAutoinicio());
}

} // namespace

std::int32_t RegCreateKeyA(HKEY raiz, const char* subchave, HKEY* resultado) {
    if (!resultado)
        return ERROR_INVALID_PARAMETER;
    const auto base = CaminhoDe(raiz);
    if (!base)
        return ERROR_INVALID_HANDLE;
    // As on Windows, with no subkey the caller gets its own handle back.
    if (!subchave || !*subchave) {
        *resultado = raiz;
        return ERROR_SUCCESS;
    }
    const auto caminho = CaminhoCompleto(*base, subchave);
    if (!caminho)
        return ERROR_INVALID_PARAMETER;
    if (AlteraColmeia([&](Colmeia& colmeia) { return colmeia.Cria(*caminho); }) == ResultadoAlteracao::Falhou)
        return ERROR_ACCESS_DENIED;
    *resultado = Abre(*caminho);
    return ERROR_SUCCESS;
}

std::int32_t RegOpenKeyExA(HKEY raiz, const char* subchave, std::uint32_t, std::uint32_t, HKEY* resultado) {
    if (!resultado)
        return ERROR_INVALID_PARAMETER;
    const auto base = CaminhoDe(raiz);
    if (!base)
        return ERROR_INVALID_HANDLE;
    const auto caminho = CaminhoCompleto(*base, subchave);
    if (!caminho)
        return ERROR_INVALID_PARAMETER;
    const auto colmeia = LeColmeia();
    if (!colmeia)
        return ERROR_ACCESS_DENIED;
    if (!colmeia->Existe(*caminho))
        return ERROR_FILE_NOT_FOUND;
    *resultado = Abre(*caminho);
    return ERROR_SUCCESS;
}

std::int32_t RegSetValueExA(HKEY chave, const char* nome, std::uint32_t, std::uint32_t tipo,
                            const std::uint8_t* dados, std::uint32_t tamanho) {
    const auto caminho = CaminhoDe(chave);
    if (!caminho)
        return ERROR_INVALID_HANDLE;
    if ((tipo != REG_SZ && tipo != REG_BINARY) || (!dados && tamanho > 0))
        return ERROR_INVALID_PARAMETER;
    std::string bytes = dados ? std::string(reinterpret_cast<const char*>(dados), tamanho) : std::string();
    // A text arrives with its terminating NUL; the hive keeps the text, NULs inside it included.
    if (tipo == REG_SZ && !bytes.empty() && bytes.back() == '\0')
        bytes.pop_back();
    const std::string nomeValor = nome ? nome : "";
    bool apagada = false;
    const auto resultado = AlteraColmeia([&](Colmeia& colmeia) {
        apagada = !colmeia.Existe(*caminho);
        return !apagada && colmeia.Garante(*caminho).DefineValor(nomeValor, tipo, bytes,
                                                                 tipo == REG_SZ && GuardadoEmUtf8(bytes));
    });
    if (apagada)
        return ERROR_KEY_DELETED;
    if (resultado == ResultadoAlteracao::Falhou)
        return ERROR_ACCESS_DENIED;
    EspelhaSeRun(*caminho, nomeValor, tipo, bytes);
    return ERROR_SUCCESS;
}

std::int32_t RegCloseKey(HKEY chave) {
    if (NomeRaiz(chave))
        return ERROR_SUCCESS;
    return Tabela().abertas.erase(chave) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

} // namespace plataforma
