#include "settings/tabela_configuracoes.h"

#include "platform/arquivos/pastas.h"
#include "platform/registro/configuracoes_usuario.h"
#include "settings/configuracao.h"
#include "settings/embaralha.h"
#include "settings/formas_texto.h"

#include <type_traits>

namespace quelza {
namespace {

template <typename... Casos> struct Sobrecarga : Casos... { using Casos::operator()...; };
// Spelled out for compilers that do not deduce an aggregate's arguments by themselves.
template <typename... Casos> Sobrecarga(Casos...) -> Sobrecarga<Casos...>;

std::string NumeroNaForma(std::int64_t numero, FormaTexto forma) {
    return forma == FormaTexto::NumeroAlinhado ? NumeroAlinhado(numero) : NumeroSimples(numero);
}

std::string TextoInicial(const LinhaConfiguracao& linha) {
    if (!linha.inicial.texto)
        return {};
    if (linha.inicial.naPastaPrograma)
        return plataforma::PastaPrograma() + "/" + linha.inicial.texto;
    return linha.inicial.texto;
}

} // namespace

std::string TextoDaVariavel(const LinhaConfiguracao& linha) {
    return std::visit(Sobrecarga{
                          [&](std::monostate) { return TextoInicial(linha); },
                          [](bool Variaveis::*membro) { return TextoBooleano(variaveis.*membro); },
                          [](HoraDoDia Variaveis::*membro) { return TextoHora(variaveis.*membro); },
                          [&](std::string Variaveis::*membro) {
                              return linha.forma == FormaTexto::Embaralhado
                                         ? Embaralha(variaveis.*membro, ChaveCredenciais)
                                         : variaveis.*membro;
                          },
                          [&](auto membro) { return NumeroNaForma(variaveis.*membro, linha.forma); },
                      },
                      linha.variavel);
}

void DefineDoTexto(const LinhaConfiguracao& linha, const std::string& texto) {
    std::visit(Sobrecarga{
                   [](std::monostate) {},
                   [&](bool Variaveis::*membro) {
                       if (const auto valor = LeBooleano(texto))
                           variaveis.*membro = *valor;
                   },
                   [&](HoraDoDia Variaveis::*membro) { variaveis.*membro = LeHora(texto); },
                   [&](std::string Variaveis::*membro) {
                       variaveis.*membro = linha.forma == FormaTexto::Embaralhado
                                               ? Desembaralha(texto, ChaveCredenciais)
                                               : texto;
                   },
                   [&]<typename Inteiro>(Inteiro Variaveis::*membro) {
                       variaveis.*membro = LeNumero<Inteiro>(texto);
                   },
               },
               linha.variavel);
}

std::string LeTexto(const LinhaConfiguracao& linha) {
    if (linha.armazem == Armazem::ArquivoConfig) {
        std::string texto = LeIni(ArquivoConfig(), linha.secao, linha.chave);
        return texto.empty() ? linha.ausente : texto;
    }
    return plataforma::GetSetting(AplicacaoConfiguracoes, linha.secao, linha.chave, linha.ausente);
}

void LeConfiguracao(const LinhaConfiguracao& linha) { DefineDoTexto(linha, LeTexto(linha)); }

void GravaTexto(const LinhaConfiguracao& linha, const std::string& texto) {
    if (linha.armazem == Armazem::ArquivoConfig)
        GravaIni(ArquivoConfig(), linha.secao, linha.chave, texto);
    else
        plataforma::SaveSetting(AplicacaoConfiguracoes, linha.secao, linha.chave, texto);
}

void GravaConfiguracao(const LinhaConfiguracao& linha) { GravaTexto(linha, TextoDaVariavel(linha)); }

void GravaConfiguracoes(GrupoConfiguracoes grupo) {
    plataforma::LoteConfiguracoes lote;
    for (const LinhaConfiguracao* linha : grupo)
        GravaConfiguracao(*linha);
}

void GravaConfiguracoes(std::initializer_list<const LinhaConfiguracao*> grupo) {
    GravaConfiguracoes(GrupoConfiguracoes(grupo.begin(), grupo.size()));
}

void DefineValoresIniciais(GrupoConfiguracoes grupo) {
    for (const LinhaConfiguracao* linha : grupo)
        if (linha->inicial.texto)
            DefineDoTexto(*linha, TextoInicial(*linha));
}

} // namespace quelza
