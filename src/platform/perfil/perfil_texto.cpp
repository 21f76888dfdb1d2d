#include "platform/perfil/perfil_texto.h"

#include "platform/texto/cp1252.h"

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

// One line of the text: where it starts, its text without the ending, and where the next one starts.
// A line ends at LF, and a CR just before the LF belongs to the ending.
struct Linha {
    std::size_t inicio;
    std::string_view texto;
    std::size_t proxima;
    bool terminada() const { return proxima > inicio + texto.size(); }
};

Linha LinhaEm(std::string_view t, std::size_t inicio) {
    const auto quebra = t.find('\n', inicio);
    if (quebra == std::string_view::npos)
        return {inicio, t.substr(inicio), t.size()};
    const std::size_t fim = quebra > inicio && t[quebra - 1] == '\r' ? quebra - 1 : quebra;
    return {inicio, t.substr(inicio, fim - inicio), quebra + 1};
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

// The first section named `secao`: its header line, and where its last line ends (the next header's
// start, or the end of the text).
struct Faixa {
    Linha cabecalho;
    std::size_t fim;
};

std::optional<Faixa> AchaSecao(std::string_view t, std::string_view secao) {
    secao = Apara(secao);
    for (std::size_t p = 0; p < t.size();) {
        const Linha l = LinhaEm(t, p);
        p = l.proxima;
        const Classe classe = Classifica(l.texto);
        if (classe.tipo != Classe::Secao || !IguaisSemCaixa(classe.nome, secao))
            continue;
        while (p < t.size()) {
            const Linha seguinte = LinhaEm(t, p);
            if (Classifica(seguinte.texto).tipo == Classe::Secao)
                break;
            p = seguinte.proxima;
        }
        return Faixa{l, p};
    }
    return std::nullopt;
}

// Calls `visita` for each line of the section after its header, until it returns true.
template <typename F> std::optional<Linha> PercorreSecao(std::string_view t, const Faixa& faixa, F visita) {
    for (std::size_t p = faixa.cabecalho.proxima; p < faixa.fim;) {
        const Linha l = LinhaEm(t, p);
        if (visita(l))
            return l;
        p = l.proxima;
    }
    return std::nullopt;
}

std::optional<Linha> AchaChave(std::string_view t, const Faixa& faixa, std::string_view chave) {
    chave = Apara(chave);
    return PercorreSecao(t, faixa, [&](const Linha& l) {
        const Classe classe = Classifica(l.texto);
        return classe.tipo == Classe::Chave && IguaisSemCaixa(classe.nome, chave);
    });
}

std::string_view FimDoTexto(std::string_view t) {
    const auto quebra = t.find('\n');
    if (quebra == std::string_view::npos)
        return "\r\n";
    return quebra > 0 && t[quebra - 1] == '\r' ? "\r\n" : "\n";
}

// Inserts a line after `linha`, giving that line an ending first when it is the unfinished last one.
void InsereDepois(std::string& t, const Linha& linha, std::string_view nova, std::string_view fim) {
    std::string inserida;
    if (!linha.terminada())
        inserida = fim;
    inserida.append(nova).append(fim);
    t.insert(linha.proxima, inserida);
}

} // namespace

std::vector<std::string> NomesSecoes(std::string_view t) {
    std::vector<std::string> nomes;
    for (std::size_t p = 0; p < t.size();) {
        const Linha l = LinhaEm(t, p);
        p = l.proxima;
        const Classe classe = Classifica(l.texto);
        if (classe.tipo == Classe::Secao)
            nomes.emplace_back(classe.nome);
    }
    return nomes;
}

std::vector<std::string> NomesChaves(std::string_view t, std::string_view secao) {
    std::vector<std::string> nomes;
    const auto faixa = AchaSecao(t, secao);
    if (!faixa)
        return nomes;
    PercorreSecao(t, *faixa, [&](const Linha& l) {
        const Classe classe = Classifica(l.texto);
        if (classe.tipo == Classe::Chave)
            nomes.emplace_back(classe.nome);
        return false;
    });
    return nomes;
}

std::optional<std::string> LeValorPerfil(std::string_view t, std::string_view secao, std::string_view chave) {
    const auto faixa = AchaSecao(t, secao);
    if (!faixa)
        return std::nullopt;
    const auto linha = AchaChave(t, *faixa, chave);
    if (!linha)
        return std::nullopt;
    return std::string(SemAspas(Classifica(linha->texto).valor));
}

bool GravavelNoPerfil(std::string_view secao, std::string_view chave, std::string_view valor) {
    const auto semQuebra = [](std::string_view t) {
        return t.find_first_of("\r\n") == std::string_view::npos;
    };
    const std::string_view nome = Apara(chave);
    return semQuebra(secao) && semQuebra(chave) && semQuebra(valor) && !nome.empty() &&
           chave.find('=') == std::string_view::npos && nome.front() != '[' && nome.front() != ';';
}

void GravaValorPerfil(std::string& t, std::string_view secao, std::string_view chave,
                      std::string_view valor) {
    const std::string fim(FimDoTexto(t));
    const std::string novaChave = std::string(Apara(chave)) + "=" + std::string(valor);
    const auto faixa = AchaSecao(t, secao);
    if (!faixa) {
        if (!t.empty() && t.back() != '\n')
            t += fim;
        t.append("[").append(Apara(secao)).append("]").append(fim).append(novaChave).append(fim);
        return;
    }
    if (const auto linha = AchaChave(t, *faixa, chave)) {
        // The key's own spelling and spacing up to '=' stay as the file had them.
        const std::size_t igual = linha->inicio + linha->texto.find('=');
        t.replace(igual + 1, linha->inicio + linha->texto.size() - igual - 1, valor);
        return;
    }
    Linha ultima = faixa->cabecalho;
    PercorreSecao(t, *faixa, [&](const Linha& l) {
        if (!Apara(l.texto).empty())
            ultima = l;
        return false;
    });
    InsereDepois(t, ultima, novaChave, fim);
}

void RemoveChavePerfil(std::string& t, std::string_view secao, std::string_view chave) {
    const auto faixa = AchaSecao(t, secao);
    if (!faixa)
        return;
    if (const auto linha = AchaChave(t, *faixa, chave))
        t.erase(linha->inicio, linha->proxima - linha->inicio);
}

void RemoveSecaoPerfil(std::string& t, std::string_view secao) {
    if (const auto faixa = AchaSecao(t, secao))
        t.erase(faixa->cabecalho.inicio, faixa->fim - faixa->cabecalho.inicio);
}

} // namespace plataforma
