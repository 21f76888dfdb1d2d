#include "platform/discagem/simulada/catalogo_simulado.h"

#include "platform/arquivos/arquivo_atomico.h"
#include "platform/perfil/perfil.h"
#include "platform/perfil/perfil_texto.h"
#include "platform/texto/cp1252.h"

#include <charconv>
#include <cstdio>

namespace plataforma {
namespace {

std::string TextoPadrao() {
    const std::string linhas[] = {
        "; Catálogo da linha simulada: uma seção por entrada, na ordem em que aparecem.",
        "; Chaves opcionais: Telefone; Usuário e Senha (com Usuário, só esse usuário e essa senha",
        "; entram); Discagem e Autenticação (milissegundos em cada estado); Queda (segundos depois",
        "; de conectar até a linha cair sozinha, 0 = nunca); Erro (código que a discagem devolve).",
        std::string("[") + EntradaPadraoCatalogo + "]",
        "Telefone=0800 000 0000",
        "Discagem=1500",
        "Autenticação=800",
        "Queda=0",
    };
    std::string texto;
    for (const std::string& linha : linhas)
        texto += ParaCp1252(linha) + "\r\n";
    return texto;
}

// A value as the 1024-character buffer the line always read it with holds it.
std::string Le(std::string_view texto, const std::string& secao, const char* chaveUtf8) {
    std::string valor = LeValorPerfil(texto, secao, ParaCp1252(chaveUtf8)).value_or("");
    if (valor.size() > 1023)
        valor.resize(1023);
    return valor;
}

// The entries' names. An empty name or one holding a NUL cannot be dialled; in a NUL-separated list
// it would also end the list early or split into two names, so it is no entry.
std::vector<std::string> Nomes(std::string_view texto) {
    std::vector<std::string> nomes = NomesSecoes(texto);
    std::erase_if(nomes, [](const std::string& n) { return n.empty() || n.find('\0') != std::string::npos; });
    return nomes;
}

// A number of the file, or `padrao` when the value is missing or not a whole non-negative number.
std::uint32_t Numero(const std::string& texto, std::uint32_t padrao) {
    std::uint32_t valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    return erro == std::errc{} && fim == texto.data() + texto.size() ? valor : padrao;
}

EntradaCatalogo LeEntrada(std::string_view texto, const std::string& secao) {
    EntradaCatalogo entrada;
    entrada.nome = secao;
    entrada.telefone = Le(texto, secao, "Telefone");
    entrada.usuario = Le(texto, secao, "Usuário");
    entrada.senha = Le(texto, secao, "Senha");
    entrada.discagemMs = Numero(Le(texto, secao, "Discagem"), entrada.discagemMs);
    entrada.autenticacaoMs = Numero(Le(texto, secao, "Autenticação"), entrada.autenticacaoMs);
    entrada.quedaS = Numero(Le(texto, secao, "Queda"), entrada.quedaS);
    entrada.erro = Numero(Le(texto, secao, "Erro"), entrada.erro);
    return entrada;
}

bool SoBrancos(std::string_view texto) {
    return texto.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

void GaranteCatalogo(const std::string& arquivo) {
    const LeituraArquivo atual = LeArquivoInteiro(arquivo);
    if (atual.estado == EstadoLeitura::Lido && !SoBrancos(atual.conteudo))
        return;
    if (atual.estado == EstadoLeitura::Lido) {
        // A file with no entry at all (a write that failed on a full disk) holds nothing to keep.
        GravaArquivoAtomico(arquivo, TextoPadrao(), 0600);
        return;
    }
    // What cannot be read is kept aside for its owner, not written over.
    if (atual.estado == EstadoLeitura::Falhou)
        ::rename(arquivo.c_str(), (arquivo + ".ilegivel").c_str());
    // Never over a file: two processes starting together must not wipe what the first wrote.
    CriaArquivoAtomico(arquivo, TextoPadrao(), 0600);
}

std::vector<std::string> NomesDoCatalogo(const std::string& arquivo) {
    return Nomes(LeArquivoInteiro(arquivo).conteudo);
}

std::optional<EntradaCatalogo> EntradaDoCatalogo(const std::string& arquivo, const std::string& nome) {
    const std::string texto = LeArquivoInteiro(arquivo).conteudo;
    for (const std::string& secao : Nomes(texto)) {
        if (IguaisSemCaixa(secao, nome))
            return LeEntrada(texto, secao);
    }
    return std::nullopt;
}

bool GravaEntradaCatalogo(const std::string& arquivo, const EntradaCatalogo& entrada) {
    GaranteCatalogo(arquivo);
    const char* secao = entrada.nome.c_str();
    if (!WritePrivateProfileStringA(secao, nullptr, nullptr, arquivo.c_str()))
        return false;
    auto grava = [&](const char* chaveUtf8, const std::string& valor) {
        return WritePrivateProfileStringA(secao, ParaCp1252(chaveUtf8).c_str(), valor.c_str(),
                                          arquivo.c_str());
    };
    bool gravou = grava("Telefone", entrada.telefone);
    if (!entrada.usuario.empty())
        gravou = gravou && grava("Usuário", entrada.usuario) && grava("Senha", entrada.senha);
    gravou = gravou && grava("Discagem", std::to_string(entrada.discagemMs)) &&
             grava("Autenticação", std::to_string(entrada.autenticacaoMs)) &&
             grava("Queda", std::to_string(entrada.quedaS));
    if (entrada.erro != 0)
        gravou = gravou && grava("Erro", std::to_string(entrada.erro));
    return gravou;
}

std::optional<EntradaCatalogo> LePredefinicao(const std::string& arquivo) {
    const std::string texto = LeArquivoInteiro(arquivo).conteudo;
    const std::string nome = Le(texto, "Entrada", "Nome");
    if (nome.empty())
        return std::nullopt;
    EntradaCatalogo entrada = LeEntrada(texto, "Entrada");
    entrada.nome = nome;
    return entrada;
}

} // namespace plataforma
