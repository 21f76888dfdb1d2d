#include "platform/colmeia_dados.h"

#include "platform/cp1252.h"
#include "platform/registro_api.h"

#include <algorithm>

namespace plataforma {
namespace {

// `caminho` lies strictly below `acima`.
bool Abaixo(std::string_view caminho, std::string_view acima) {
    return caminho.size() > acima.size() && caminho[acima.size()] == '\\' &&
           IguaisSemCaixa(caminho.substr(0, acima.size()), acima);
}

bool Raiz(std::string_view caminho) {
    return std::any_of(kRaizesRegistro.begin(), kRaizesRegistro.end(),
                       [&](const RaizRegistro& raiz) { return IguaisSemCaixa(raiz.nome, caminho); });
}

bool MesmoCaminho(const ChaveColmeia& chave, std::string_view caminho) {
    return IguaisSemCaixa(chave.caminho, caminho);
}

// One search for the const and the changing callers alike.
template <typename Valores> auto AchaValor(Valores& valores, std::string_view nome) {
    return std::find_if(valores.begin(), valores.end(),
                        [&](const ValorColmeia& v) { return IguaisSemCaixa(v.nome, nome); });
}

// Length of the leading path parts that `a` and `b` share regardless of case, up to the end of the
// last shared part.
std::size_t PartesComuns(std::string_view a, std::string_view b) {
    std::size_t comum = 0;
    while (comum < a.size() && comum < b.size()) {
        const std::size_t fimA = std::min(a.find('\\', comum), a.size());
        const std::size_t fimB = std::min(b.find('\\', comum), b.size());
        if (fimA != fimB || !IguaisSemCaixa(a.substr(comum, fimA - comum), b.substr(comum, fimB - comum)))
            break;
        comum = fimA + 1;
    }
    return comum == 0 ? 0 : std::min(comum - 1, std::min(a.size(), b.size()));
}

template <typename Chaves> auto AchaChave(Chaves& chaves, std::string_view caminho) {
    return std::find_if(chaves.begin(), chaves.end(),
                        [&](const ChaveColmeia& c) { return MesmoCaminho(c, caminho); });
}

} // namespace

const ValorColmeia* ChaveColmeia::Valor(std::string_view nome) const {
    const auto valor = AchaValor(valores, nome);
    return valor == valores.end() ? nullptr : &*valor;
}

bool ChaveColmeia::DefineValor(std::string_view nome, std::uint32_t tipo, std::string_view dados) {
    const auto valor = AchaValor(valores, nome);
    if (valor == valores.end()) {
        valores.push_back({std::string(nome), tipo, std::string(dados)});
        return true;
    }
    if (valor->tipo == tipo && valor->dados == dados)
        return false;
    valor->tipo = tipo;
    valor->dados = dados;
    return true;
}

bool ChaveColmeia::RemoveValor(std::string_view nome) {
    const auto valor = AchaValor(valores, nome);
    if (valor == valores.end())
        return false;
    valores.erase(valor);
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
    return Raiz(caminho) || std::any_of(chaves_.begin(), chaves_.end(), [&](const ChaveColmeia& chave) {
               return MesmoCaminho(chave, caminho) || Abaixo(chave.caminho, caminho);
           });
}

const ChaveColmeia* Colmeia::Acha(std::string_view caminho) const {
    const auto chave = AchaChave(chaves_, caminho);
    return chave == chaves_.end() ? nullptr : &*chave;
}

ChaveColmeia* Colmeia::Acha(std::string_view caminho) {
    const auto chave = AchaChave(chaves_, caminho);
    return chave == chaves_.end() ? nullptr : &*chave;
}

ChaveColmeia& Colmeia::Garante(std::string_view caminho) {
    const auto chave = AchaChave(chaves_, caminho);
    return chave != chaves_.end() ? *chave : chaves_.emplace_back(ChaveColmeia{Grafia(caminho), {}});
}

std::string Colmeia::Grafia(std::string_view caminho) const {
    std::string grafia(caminho);
    const std::size_t raiz = std::min(caminho.find('\\'), caminho.size());
    for (const RaizRegistro& r : kRaizesRegistro)
        if (IguaisSemCaixa(r.nome, caminho.substr(0, raiz)))
            grafia.replace(0, raiz, r.nome);
    std::size_t maior = 0;
    const ChaveColmeia* fonte = nullptr;
    for (const ChaveColmeia& chave : chaves_)
        if (const std::size_t comum = PartesComuns(chave.caminho, caminho); comum > maior) {
            maior = comum;
            fonte = &chave;
        }
    if (fonte)
        grafia.replace(0, maior, fonte->caminho, 0, maior);
    return grafia;
}

bool Colmeia::Cria(std::string_view caminho) {
    if (Existe(caminho))
        return false;
    Garante(caminho);
    return true;
}

bool Colmeia::Remove(std::string_view caminho) {
    const auto removida = [&](const ChaveColmeia& c) {
        return MesmoCaminho(c, caminho) || Abaixo(c.caminho, caminho);
    };
    const auto primeira = std::find_if(chaves_.begin(), chaves_.end(), removida);
    if (primeira == chaves_.end())
        return false;
    const auto posicao = primeira - chaves_.begin();
    chaves_.erase(std::remove_if(chaves_.begin(), chaves_.end(), removida), chaves_.end());
    // The parent may have existed only through the removed keys; it stays, where they stood.
    const auto barra = caminho.rfind('\\');
    if (barra != std::string_view::npos && !Existe(caminho.substr(0, barra)))
        chaves_.insert(chaves_.begin() + posicao, ChaveColmeia{std::string(caminho.substr(0, barra)), {}});
    return true;
}

bool Colmeia::TemSubchaves(std::string_view caminho) const {
    return std::any_of(chaves_.begin(), chaves_.end(),
                       [&](const ChaveColmeia& chave) { return Abaixo(chave.caminho, caminho); });
}

} // namespace plataforma
