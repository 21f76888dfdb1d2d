#include "platform/registro/colmeia_dados.h"

#include "platform/registro/registro_api.h"
#include "platform/texto/cp1252.h"

#include <algorithm>

namespace plataforma {
namespace {

// A key with up to this many values is searched in order; past it, through its index.
constexpr std::size_t kValoresSemIndice = 8;

std::string SemCaixa(std::string_view texto) {
    std::string dobrado(texto);
    for (char& c : dobrado)
        c = MinusculaCp1252(c);
    return dobrado;
}

// `caminho` lies strictly below `acima`.
bool Abaixo(std::string_view caminho, std::string_view acima) {
    return caminho.size() > acima.size() && caminho[acima.size()] == '\\' &&
           IguaisSemCaixa(caminho.substr(0, acima.size()), acima);
}

bool Raiz(std::string_view caminho) {
    return std::any_of(kRaizesRegistro.begin(), kRaizesRegistro.end(),
                       [&](const RaizRegistro& raiz) { return IguaisSemCaixa(raiz.nome, caminho); });
}

} // namespace

std::optional<std::size_t> ChaveColmeia::Posicao(std::string_view nome) const {
    if (!indice_.empty()) {
        const auto achada = indice_.find(SemCaixa(nome));
        return achada == indice_.end() ? std::nullopt : std::optional(achada->second);
    }
    for (std::size_t i = 0; i < valores_.size(); ++i)
        if (IguaisSemCaixa(valores_[i].nome, nome))
            return i;
    return std::nullopt;
}

void ChaveColmeia::Reindexa() {
    indice_.clear();
    if (valores_.size() <= kValoresSemIndice)
        return;
    for (std::size_t i = 0; i < valores_.size(); ++i)
        indice_.emplace(SemCaixa(valores_[i].nome), i);
}

const ValorColmeia* ChaveColmeia::Valor(std::string_view nome) const {
    const auto posicao = Posicao(nome);
    return posicao ? &valores_[*posicao] : nullptr;
}

bool ChaveColmeia::DefineValor(std::string_view nome, std::uint32_t tipo, std::string_view dados, bool utf8) {
    const auto posicao = Posicao(nome);
    if (!posicao) {
        valores_.push_back({std::string(nome), tipo, std::string(dados), utf8});
        if (!indice_.empty())
            indice_.emplace(SemCaixa(nome), valores_.size() - 1);
        else if (valores_.size() > kValoresSemIndice)
            Reindexa();
        return true;
    }
    ValorColmeia& valor = valores_[*posicao];
    if (valor.tipo == tipo && valor.dados == dados && valor.utf8 == utf8)
        return false;
    valor.tipo = tipo;
    valor.dados = dados;
    valor.utf8 = utf8;
    return true;
}

bool ChaveColmeia::RemoveValor(std::string_view nome) {
    const auto posicao = Posicao(nome);
    if (!posicao)
        return false;
    valores_.erase(valores_.begin() + static_cast<std::ptrdiff_t>(*posicao));
    Reindexa();
    return true;
}

bool CaminhoChaveValido(std::string_view caminho) {
    if (caminho.empty() || caminho.front() == '\\' || caminho.back() == '\\' ||
        caminho.find("\\\\") != std::string_view::npos)
        return false;
    return std::none_of(caminho.begin(), caminho.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 32; });
}

Colmeia Colmeia::Nova() {
    Colmeia colmeia;
    colmeia.Cria("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    colmeia.Cria("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main");
    colmeia.Cria("HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");
    return colmeia;
}

bool Colmeia::Existe(std::string_view caminho) const {
    return Raiz(caminho) || posicoes_.count(SemCaixa(caminho)) || TemSubchaves(caminho);
}

const ChaveColmeia* Colmeia::Acha(std::string_view caminho) const {
    const auto achada = posicoes_.find(SemCaixa(caminho));
    return achada == posicoes_.end() ? nullptr : &chaves_[achada->second];
}

ChaveColmeia* Colmeia::Acha(std::string_view caminho) {
    const auto achada = posicoes_.find(SemCaixa(caminho));
    return achada == posicoes_.end() ? nullptr : &chaves_[achada->second];
}

ChaveColmeia& Colmeia::Garante(std::string_view caminho) {
    std::string dobrado = SemCaixa(caminho);
    const auto [lugar, nova] = posicoes_.try_emplace(dobrado, chaves_.size());
    if (!nova)
        return chaves_[lugar->second];
    chaves_.emplace_back(Grafia(caminho, dobrado));
    IndexaPrefixos(chaves_.size() - 1, std::move(dobrado));
    return chaves_.back();
}

// The longest leading run of whole parts that some key already holds takes that key's spelling; a
// root name not covered by one takes its own.
std::string Colmeia::Grafia(std::string_view caminho, const std::string& dobrado) const {
    std::string grafia(caminho);
    const std::size_t raiz = std::min(caminho.find('\\'), caminho.size());
    for (const RaizRegistro& r : kRaizesRegistro)
        if (IguaisSemCaixa(r.nome, caminho.substr(0, raiz)))
            grafia.replace(0, raiz, r.nome);
    for (std::size_t fim = dobrado.size(); fim != std::string::npos && fim > 0;
         fim = dobrado.rfind('\\', fim - 1)) {
        const auto prefixo = prefixos_.find(dobrado.substr(0, fim));
        if (prefixo != prefixos_.end()) {
            grafia.replace(0, fim, prefixo->second.grafia);
            break;
        }
    }
    return grafia;
}

// From the key up: once a leading part has a key below it, so have all the shorter ones.
void Colmeia::IndexaPrefixos(std::size_t posicao, std::string dobrado) {
    const std::string& caminho = chaves_[posicao].Caminho();
    prefixos_.try_emplace(dobrado, Prefixo{caminho, false});
    for (std::size_t fim = dobrado.rfind('\\'); fim != std::string::npos && fim > 0;
         fim = dobrado.rfind('\\')) {
        dobrado.resize(fim);
        auto prefixo = prefixos_.find(dobrado);
        if (prefixo == prefixos_.end())
            prefixo = prefixos_.emplace(dobrado, Prefixo{caminho.substr(0, fim), false}).first;
        else if (prefixo->second.abaixo)
            break;
        prefixo->second.abaixo = true;
    }
}

void Colmeia::Reindexa() {
    posicoes_.clear();
    prefixos_.clear();
    for (std::size_t i = 0; i < chaves_.size(); ++i) {
        std::string dobrado = SemCaixa(chaves_[i].Caminho());
        posicoes_.emplace(dobrado, i);
        IndexaPrefixos(i, std::move(dobrado));
    }
}

bool Colmeia::Cria(std::string_view caminho) {
    if (Existe(caminho))
        return false;
    Garante(caminho);
    return true;
}

bool Colmeia::Remove(std::string_view caminho) {
    const auto removida = [&](const ChaveColmeia& c) {
        return IguaisSemCaixa(c.Caminho(), caminho) || Abaixo(c.Caminho(), caminho);
    };
    const auto primeira = std::find_if(chaves_.begin(), chaves_.end(), removida);
    if (primeira == chaves_.end())
        return false;
    const auto posicao = primeira - chaves_.begin();
    const auto barra = caminho.rfind('\\');
    // The parent as the keys spelled it, not as this caller does.
    const std::string pai =
        barra == std::string_view::npos ? std::string() : primeira->Caminho().substr(0, barra);
    chaves_.erase(std::remove_if(chaves_.begin(), chaves_.end(), removida), chaves_.end());
    Reindexa();
    // The parent may have existed only through the removed keys; it stays, where they stood.
    if (!pai.empty() && !Existe(pai)) {
        chaves_.insert(chaves_.begin() + posicao, ChaveColmeia(pai));
        Reindexa();
    }
    return true;
}

bool Colmeia::TemSubchaves(std::string_view caminho) const {
    const auto prefixo = prefixos_.find(SemCaixa(caminho));
    return prefixo != prefixos_.end() && prefixo->second.abaixo;
}

} // namespace plataforma
