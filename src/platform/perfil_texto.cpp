#include "platform/perfil_texto.h"

#include "platform/cp1252.h"

namespace plataforma {
namespace {

constexpr std::string_view kBrancos = " \t\r\v\f";

std::string_view Apara(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(kBrancos);
    if (inicio == std::string_view::npos)
        return {};
    const auto fim = texto.find_last_not_of(kBrancos);
    return texto.substr(inicio, fim - inicio + 1);
}

std::string_view SemAspas(std::string_view valor) {
    if (valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'') && valor.back() == valor.front())
        return valor.substr(1, valor.size() - 2);
    return valor;
}

// What one line is: a section header, a key, or anything else (blank, comment, stray text), which is
// kept but never matched.
struct Classe {
    enum Tipo { Outra, Secao, Chave } tipo = Outra;
    std::string_view nome;
    std::string_view valor;
};

Classe Classifica(std::string_view linha) {
    const std::string_view aparada = Apara(linha);
    if (aparada.empty() || aparada.front() == ';')
        return {};
    if (aparada.front() == '[') {
        const auto fecha = aparada.rfind(']');
        if (fecha == std::string_view::npos)
            return {};
        return {Classe::Secao, Apara(aparada.substr(1, fecha - 1)), {}};
    }
    const auto igual = aparada.find('=');
    if (igual == std::string_view::npos)
        return {};
    return {Classe::Chave, Apara(aparada.substr(0, igual)), Apara(aparada.substr(igual + 1))};
}

// Lines of the first section named `secao`: from its header (inclusive) to the next header.
struct Faixa {
    std::size_t cabecalho;
    std::size_t fim;
};

std::optional<Faixa> AchaSecao(const std::vector<LinhaPerfil>& linhas, std::string_view secao) {
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        const Classe classe = Classifica(linhas[i].texto);
        if (classe.tipo != Classe::Secao || !IguaisSemCaixa(classe.nome, secao))
            continue;
        std::size_t fim = i + 1;
        while (fim < linhas.size() && Classifica(linhas[fim].texto).tipo != Classe::Secao)
            ++fim;
        return Faixa{i, fim};
    }
    return std::nullopt;
}

std::optional<std::size_t> AchaChave(const std::vector<LinhaPerfil>& linhas, const Faixa& faixa,
                                     std::string_view chave) {
    for (std::size_t i = faixa.cabecalho + 1; i < faixa.fim; ++i) {
        const Classe classe = Classifica(linhas[i].texto);
        if (classe.tipo == Classe::Chave && IguaisSemCaixa(classe.nome, chave))
            return i;
    }
    return std::nullopt;
}

std::string FimDoTexto(const std::vector<LinhaPerfil>& linhas) {
    for (const LinhaPerfil& linha : linhas)
        if (!linha.fim.empty())
            return linha.fim;
    return "\r\n";
}

// Inserts a line after `posicao`, giving that line an ending first when it is the unfinished last one.
void InsereDepois(std::vector<LinhaPerfil>& linhas, std::size_t posicao, std::string texto,
                  const std::string& fim) {
    if (linhas[posicao].fim.empty())
        linhas[posicao].fim = fim;
    linhas.insert(linhas.begin() + static_cast<std::ptrdiff_t>(posicao) + 1,
                  LinhaPerfil{std::move(texto), fim});
}

} // namespace

std::vector<LinhaPerfil> SeparaLinhas(std::string_view conteudo) {
    std::vector<LinhaPerfil> linhas;
    while (!conteudo.empty()) {
        const auto quebra = conteudo.find('\n');
        if (quebra == std::string_view::npos) {
            linhas.push_back({std::string(conteudo), ""});
            break;
        }
        const bool comRetorno = quebra > 0 && conteudo[quebra - 1] == '\r';
        const std::size_t tamanho = comRetorno ? quebra - 1 : quebra;
        linhas.push_back({std::string(conteudo.substr(0, tamanho)), comRetorno ? "\r\n" : "\n"});
        conteudo.remove_prefix(quebra + 1);
    }
    return linhas;
}

std::string JuntaLinhas(const std::vector<LinhaPerfil>& linhas) {
    std::string texto;
    for (const LinhaPerfil& linha : linhas)
        texto += linha.texto + linha.fim;
    return texto;
}

std::vector<std::string> NomesSecoes(const std::vector<LinhaPerfil>& linhas) {
    std::vector<std::string> nomes;
    for (const LinhaPerfil& linha : linhas) {
        const Classe classe = Classifica(linha.texto);
        if (classe.tipo == Classe::Secao)
            nomes.emplace_back(classe.nome);
    }
    return nomes;
}

std::vector<std::string> NomesChaves(const std::vector<LinhaPerfil>& linhas, std::string_view secao) {
    std::vector<std::string> nomes;
    const auto faixa = AchaSecao(linhas, secao);
    if (!faixa)
        return nomes;
    for (std::size_t i = faixa->cabecalho + 1; i < faixa->fim; ++i) {
        const Classe classe = Classifica(linhas[i].texto);
        if (classe.tipo == Classe::Chave)
            nomes.emplace_back(classe.nome);
    }
    return nomes;
}

std::optional<std::string> LeValorPerfil(const std::vector<LinhaPerfil>& linhas, std::string_view secao,
                                         std::string_view chave) {
    const auto faixa = AchaSecao(linhas, secao);
    if (!faixa)
        return std::nullopt;
    const auto linha = AchaChave(linhas, *faixa, chave);
    if (!linha)
        return std::nullopt;
    return std::string(SemAspas(Classifica(linhas[*linha].texto).valor));
}

bool GravavelNoPerfil(std::string_view secao, std::string_view chave, std::string_view valor) {
    const auto semQuebra = [](std::string_view t) {
        return t.find_first_of("\r\n") == std::string_view::npos;
    };
    const std::string_view nome = Apara(chave);
    return semQuebra(secao) && semQuebra(chave) && semQuebra(valor) && !nome.empty() &&
           chave.find('=') == std::string_view::npos && nome.front() != '[' && nome.front() != ';';
}

void GravaValorPerfil(std::vector<LinhaPerfil>& linhas, std::string_view secao, std::string_view chave,
                      std::string_view valor) {
    const std::string fim = FimDoTexto(linhas);
    const auto faixa = AchaSecao(linhas, secao);
    if (!faixa) {
        if (!linhas.empty() && linhas.back().fim.empty())
            linhas.back().fim = fim;
        linhas.push_back({"[" + std::string(secao) + "]", fim});
        linhas.push_back({std::string(chave) + "=" + std::string(valor), fim});
        return;
    }
    if (const auto linha = AchaChave(linhas, *faixa, chave)) {
        // The key's own spelling and spacing up to '=' stay as the file had them.
        std::string& texto = linhas[*linha].texto;
        texto = texto.substr(0, texto.find('=') + 1) + std::string(valor);
        return;
    }
    std::size_t ultima = faixa->cabecalho;
    for (std::size_t i = faixa->cabecalho + 1; i < faixa->fim; ++i)
        if (!Apara(linhas[i].texto).empty())
            ultima = i;
    InsereDepois(linhas, ultima, std::string(chave) + "=" + std::string(valor), fim);
}

void RemoveChavePerfil(std::vector<LinhaPerfil>& linhas, std::string_view secao, std::string_view chave) {
    const auto faixa = AchaSecao(linhas, secao);
    if (!faixa)
        return;
    if (const auto linha = AchaChave(linhas, *faixa, chave))
        linhas.erase(linhas.begin() + static_cast<std::ptrdiff_t>(*linha));
}

void RemoveSecaoPerfil(std::vector<LinhaPerfil>& linhas, std::string_view secao) {
    const auto faixa = AchaSecao(linhas, secao);
    if (faixa)
        linhas.erase(linhas.begin() + static_cast<std::ptrdiff_t>(faixa->cabecalho),
                     linhas.begin() + static_cast<std::ptrdiff_t>(faixa->fim));
}

} // namespace plataforma
