// Private-profile text: any file, then a write of fuzzed names and value, which a read of the same
// names must find again, however the names are padded.
#include "platform/perfil/perfil_texto.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

using namespace plataforma;

namespace {

std::string_view Apara(std::string_view t) {
    constexpr std::string_view brancos = " \t\r\v\f";
    const auto inicio = t.find_first_not_of(brancos);
    if (inicio == std::string_view::npos)
        return {};
    return t.substr(inicio, t.find_last_not_of(brancos) - inicio + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    FuzzedDataProvider entrada(dados, tamanho);
    const std::string secao = entrada.ConsumeRandomLengthString(24);
    const std::string chave = entrada.ConsumeRandomLengthString(24);
    const std::string valor = entrada.ConsumeRandomLengthString(40);
    std::string texto = entrada.ConsumeRemainingBytesAsString();
    NomesSecoes(texto);
    NomesChaves(texto, secao);
    LeValorPerfil(texto, secao, chave);
    if (!GravavelNoPerfil(secao, chave, valor))
        return 0;
    GravaValorPerfil(texto, secao, chave, valor);
    std::string_view esperado = Apara(valor);
    if (esperado.size() >= 2 && (esperado.front() == '"' || esperado.front() == '\'') &&
        esperado.back() == esperado.front())
        esperado = esperado.substr(1, esperado.size() - 2);
    for (const std::string& nome : {std::string(Apara(secao)), secao})
        if (LeValorPerfil(texto, nome, Apara(chave)) != std::optional<std::string>(esperado))
            std::abort();
    RemoveChavePerfil(texto, secao, chave);
    RemoveSecaoPerfil(texto, secao);
    return 0;
}
