#include "platform/registro/configuracoes_usuario.h"

#include "platform/registro/colmeia_arquivo.h"
#include "platform/registro/registro_api.h"
#include "platform/texto/cp1252.h"
#include "platform/texto/texto_guardado.h"

#include <optional>

namespace plataforma {
namespace {

// HKEY_CURRENT_USER\Software\<application>[\<section>] in Windows-1252, or nothing when a name is
// empty or could not be kept in the hive.
std::optional<std::string> Caminho(const std::string& aplicacao, const std::string& secao = "") {
    if (aplicacao.empty())
        return std::nullopt;
    std::string caminho = "HKEY_CURRENT_USER\\Software\\" + ParaCp1252(aplicacao);
    if (!secao.empty())
        caminho += "\\" + ParaCp1252(secao);
    if (!CaminhoChaveValido(caminho))
        return std::nullopt;
    return caminho;
}

std::string Texto(const ValorColmeia& valor) { return valor.utf8 ? valor.dados : DeCp1252(valor.dados); }

} // namespace

std::string GetSetting(const std::string& aplicacao, const std::string& secao, const std::string& chave,
                       const std::string& padrao) {
    const auto caminho = secao.empty() ? std::nullopt : Caminho(aplicacao, secao);
    const auto colmeia = caminho ? LeColmeia() : nullptr;
    const ChaveColmeia* achada = colmeia ? colmeia->Acha(*caminho) : nullptr;
    const ValorColmeia* valor = achada ? achada->Valor(ParaCp1252(chave)) : nullptr;
    if (!valor || valor->tipo != REG_SZ)
        return padrao;
    return Texto(*valor);
}

void SaveSetting(const std::string& aplicacao, const std::string& secao, const std::string& chave,
                 const std::string& valor) {
    const auto caminho = secao.empty() || chave.empty() ? std::nullopt : Caminho(aplicacao, secao);
    if (!caminho)
        return;
    const TextoGuardado guardado = GuardaTexto(valor);
    AlteraColmeia([&](Colmeia& colmeia) {
        return colmeia.Garante(*caminho).DefineValor(ParaCp1252(chave), REG_SZ, guardado.bytes,
                                                     guardado.utf8);
    });
}

std::vector<std::pair<std::string, std::string>> GetAllSettings(const std::string& aplicacao,
                                                                const std::string& secao) {
    std::vector<std::pair<std::string, std::string>> pares;
    const auto caminho = secao.empty() ? std::nullopt : Caminho(aplicacao, secao);
    const auto colmeia = caminho ? LeColmeia() : nullptr;
    const ChaveColmeia* achada = colmeia ? colmeia->Acha(*caminho) : nullptr;
    if (!achada)
        return pares;
    for (const ValorColmeia& valor : achada->Valores())
        if (valor.tipo == REG_SZ)
            pares.emplace_back(DeCp1252(valor.nome), Texto(valor));
    return pares;
}

void DeleteSetting(const std::string& aplicacao, const std::string& secao, const std::string& chave) {
    const auto caminho = Caminho(aplicacao, secao);
    if (!caminho)
        return;
    AlteraColmeia([&](Colmeia& colmeia) {
        if (chave.empty())
            return colmeia.Remove(*caminho);
        ChaveColmeia* achada = colmeia.Acha(*caminho);
        return achada && achada->RemoveValor(ParaCp1252(chave));
    });
}

LoteConfiguracoes::LoteConfiguracoes() { AbreLoteColmeia(); }

LoteConfiguracoes::~LoteConfiguracoes() { FechaLoteColmeia(); }

} // namespace plataforma
