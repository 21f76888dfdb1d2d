#include "platform/regiao.h"

#include <algorithm>
#include <utility>

namespace plataforma {

namespace {

// A region is a list of horizontal bands sorted from top to bottom; each band holds the sorted,
// disjoint spans that every one of its rows has. Bands never touch with equal spans and never hold
// no span, so two equal outlines always have equal lists.
struct Trecho {
    std::int32_t esquerda;
    std::int32_t direita;
    friend bool operator==(const Trecho&, const Trecho&) = default;
};

struct Faixa {
    std::int32_t topo;
    std::int32_t base;
    std::vector<Trecho> trechos;
};

struct Regiao {
    std::vector<Faixa> faixas;
};

// Handles carry the slot in the low 20 bits and a generation above, so a handle kept after its
// region was deleted does not name the next region that takes the slot.
constexpr std::uint32_t BitsIndice = 20;
constexpr std::uint32_t MascaraIndice = (1u << BitsIndice) - 1;
constexpr std::uint32_t MascaraGeracao = 0x7FF;

struct Entrada {
    Regiao regiao;
    std::uint32_t geracao = 0;
    bool viva = false;
};

struct Tabela {
    std::vector<Entrada> entradas;
    std::vector<std::uint32_t> livres;
    std::size_t vivas = 0;
};

Tabela& tabela() {
    static Tabela t;
    return t;
}

Regiao* Busca(HRGN h) {
    Tabela& t = tabela();
    const std::uint32_t indice = (h & MascaraIndice) - 1;
    if ((h & MascaraIndice) == 0 || indice >= t.entradas.size())
        return nullptr;
    Entrada& e = t.entradas[indice];
    if (!e.viva || e.geracao != (h >> BitsIndice))
        return nullptr;
    return &e.regiao;
}

// Removes [esquerda, direita) from the spans. The scan removes runs from left to right, so the
// remainder it splits is usually the last span and the insertion costs nothing.
void SubtraiIntervalo(std::vector<Trecho>& trechos, std::int32_t esquerda, std::int32_t direita) {
    auto inicio = std::upper_bound(trechos.begin(), trechos.end(), esquerda,
                                   [](std::int32_t x, const Trecho& t) { return x < t.direita; });
    auto fim = inicio;
    while (fim != trechos.end() && fim->esquerda < direita)
        ++fim;
    if (inicio == fim)
        return;
    Trecho restos[2];
    int n = 0;
    if (inicio->esquerda < esquerda)
        restos[n++] = {inicio->esquerda, esquerda};
    if ((fim - 1)->direita > direita)
        restos[n++] = {direita, (fim - 1)->direita};
    const auto afetados = fim - inicio;
    if (n <= afetados) {
        std::copy(restos, restos + n, inicio);
        trechos.erase(inicio + n, fim);
    } else {
        *inicio = restos[0];
        trechos.insert(inicio + 1, restos[1]);
    }
}

void SubtraiRetangulo(Regiao& r, const RECT& q) {
    if (q.left >= q.right || q.top >= q.bottom)
        return;
    auto& f = r.faixas;
    std::size_t i = std::upper_bound(f.begin(), f.end(), q.top,
                                     [](std::int32_t y, const Faixa& b) { return y < b.base; }) -
                    f.begin();
    if (i < f.size() && f[i].topo < q.top) {
        Faixa baixo{q.top, f[i].base, f[i].trechos};
        f[i].base = q.top;
        f.insert(f.begin() + i + 1, std::move(baixo));
        ++i;
    }
    const std::size_t primeira = i;
    for (; i < f.size() && f[i].topo < q.bottom; ++i) {
        if (f[i].base > q.bottom) {
            Faixa baixo{q.bottom, f[i].base, f[i].trechos};
            f[i].base = q.bottom;
            f.insert(f.begin() + i + 1, std::move(baixo));
        }
        SubtraiIntervalo(f[i].trechos, q.left, q.right);
    }
    std::size_t ultima = i;

    // Keep the canonical form around the bands just touched.
    const auto vazias = std::remove_if(f.begin() + primeira, f.begin() + ultima,
                                       [](const Faixa& b) { return b.trechos.empty(); });
    const std::size_t removidas = (f.begin() + ultima) - vazias;
    f.erase(vazias, f.begin() + ultima);
    ultima -= removidas;
    std::size_t j = std::max<std::size_t>(primeira, 1);
    while (j <= ultima && j < f.size()) {
        if (f[j - 1].base == f[j].topo && f[j - 1].trechos == f[j].trechos) {
            f[j - 1].base = f[j].base;
            f.erase(f.begin() + j);
            if (ultima > 0)
                --ultima;
        } else {
            ++j;
        }
    }
}

void Retangulos(const Regiao& r, std::vector<RECT>& saida) {
    saida.clear();
    for (const Faixa& b : r.faixas)
        for (const Trecho& t : b.trechos)
            saida.push_back({t.esquerda, b.topo, t.direita, b.base});
}

int Complexidade(const Regiao& r) {
    if (r.faixas.empty())
        return NULLREGION;
    if (r.faixas.size() == 1 && r.faixas[0].trechos.size() == 1)
        return SIMPLEREGION;
    return COMPLEXREGION;
}

} // namespace

HRGN CreateRectRgn(int x1, int y1, int x2, int y2) {
    Tabela& t = tabela();
    std::uint32_t indice;
    if (!t.livres.empty()) {
        indice = t.livres.back();
        t.livres.pop_back();
    } else {
        if (t.entradas.size() >= MascaraIndice)
            return 0;
        indice = static_cast<std::uint32_t>(t.entradas.size());
        t.entradas.emplace_back();
    }
    Entrada& e = t.entradas[indice];
    e.viva = true;
    ++t.vivas;
    e.regiao.faixas.clear();
    const auto [esquerda, direita] = std::minmax(x1, x2);
    const auto [topo, base] = std::minmax(y1, y2);
    if (esquerda < direita && topo < base)
        e.regiao.faixas.push_back({topo, base, {{esquerda, direita}}});
    return (e.geracao << BitsIndice) | (indice + 1);
}

int CombineRgn(HRGN destino, HRGN fonte1, HRGN fonte2, int modo) {
    Regiao* d = Busca(destino);
    const Regiao* a = Busca(fonte1);
    if (d == nullptr || a == nullptr)
        return ERROR;
    if (modo == RGN_COPY) {
        if (d != a)
            d->faixas = a->faixas;
        return Complexidade(*d);
    }
    if (modo != RGN_DIFF)
        return ERROR;
    const Regiao* b = Busca(fonte2);
    if (b == nullptr)
        return ERROR;
    // The subtrahend is read before the destination changes, as it may be the same region. The
    // buffer is kept between calls: the scan subtracts one small rectangle per run.
    static std::vector<RECT> cortes;
    Retangulos(*b, cortes);
    if (d != a)
        d->faixas = a->faixas;
    for (const RECT& q : cortes)
        SubtraiRetangulo(*d, q);
    return Complexidade(*d);
}

int DeleteObject(HRGN objeto) {
    if (Busca(objeto) == nullptr)
        return 0;
    Tabela& t = tabela();
    const std::uint32_t indice = (objeto & MascaraIndice) - 1;
    Entrada& e = t.entradas[indice];
    e.viva = false;
    e.regiao.faixas.clear();
    e.geracao = (e.geracao + 1) & MascaraGeracao;
    t.livres.push_back(indice);
    --t.vivas;
    return 1;
}

bool RetangulosDaRegiao(HRGN regiao, std::vector<RECT>& retangulos) {
    const Regiao* r = Busca(regiao);
    if (r == nullptr)
        return false;
    Retangulos(*r, retangulos);
    return true;
}

std::size_t RegioesVivas() { return tabela().vivas; }

} // namespace plataforma
