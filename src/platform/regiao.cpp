#include "platform/regiao.h"

#include <algorithm>
#include <limits>
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

// Appends rows [topo, base) holding `trechos`, keeping the canonical form: a band that touches the
// last one with the same spans extends it, and rows without spans are no band at all.
void Acrescenta(Regiao& r, std::int32_t topo, std::int32_t base, const std::vector<Trecho>& trechos) {
    if (trechos.empty() || topo >= base)
        return;
    if (!r.faixas.empty() && r.faixas.back().base == topo && r.faixas.back().trechos == trechos) {
        r.faixas.back().base = base;
        return;
    }
    r.faixas.push_back({topo, base, trechos});
}

// The spans of `a` less those of `b`, both sorted and disjoint, in one pass over each.
void SubtraiTrechos(const std::vector<Trecho>& a, const std::vector<Trecho>& b, std::vector<Trecho>& saida) {
    saida.clear();
    std::size_t k = 0;
    for (const Trecho& t : a) {
        while (k < b.size() && b[k].direita <= t.esquerda)
            ++k;
        std::int32_t x = t.esquerda;
        for (std::size_t m = k; m < b.size() && b[m].esquerda < t.direita; ++m) {
            if (b[m].esquerda > x)
                saida.push_back({x, b[m].esquerda});
            x = std::max(x, b[m].direita);
        }
        if (x < t.direita)
            saida.push_back({x, t.direita});
    }
}

// A sweep down both band lists at once: time linear in their sizes, whatever the outlines.
Regiao Diferenca(const Regiao& a, const Regiao& b) {
    Regiao saida;
    std::vector<Trecho> resto;
    std::size_t j = 0;
    for (const Faixa& fa : a.faixas) {
        std::int32_t y = fa.topo;
        while (y < fa.base) {
            while (j < b.faixas.size() && b.faixas[j].base <= y)
                ++j;
            if (j == b.faixas.size() || b.faixas[j].topo >= fa.base) {
                Acrescenta(saida, y, fa.base, fa.trechos);
                break;
            }
            const Faixa& fb = b.faixas[j];
            if (fb.topo > y) {
                Acrescenta(saida, y, fb.topo, fa.trechos);
                y = fb.topo;
            }
            const std::int32_t fim = std::min(fa.base, fb.base);
            SubtraiTrechos(fa.trechos, fb.trechos, resto);
            Acrescenta(saida, y, fim, resto);
            y = fim;
        }
    }
    return saida;
}

bool AntesNaVarredura(const RECT& a, const RECT& b) {
    return a.top != b.top ? a.top < b.top : a.left < b.left;
}

// The union of the rectangles, swept from top to bottom with the rectangles that cover the current
// rows kept sorted by their left edge. Rectangles already in scan order (a picture's runs) are
// never sorted again.
Regiao Uniao(const std::vector<RECT>& retangulos) {
    const auto vazio = [](const RECT& r) { return r.left >= r.right || r.top >= r.bottom; };
    std::vector<RECT> copia;
    const std::vector<RECT>* fonte = &retangulos;
    if (std::any_of(retangulos.begin(), retangulos.end(), vazio) ||
        !std::is_sorted(retangulos.begin(), retangulos.end(), AntesNaVarredura)) {
        copia = retangulos;
        std::erase_if(copia, vazio);
        std::sort(copia.begin(), copia.end(), AntesNaVarredura);
        fonte = &copia;
    }
    const std::vector<RECT>& q = *fonte;
    Regiao saida;
    std::vector<RECT> ativos;
    std::vector<Trecho> trechos;
    std::size_t i = 0;
    std::int32_t y = 0;
    while (i < q.size() || !ativos.empty()) {
        if (ativos.empty())
            y = q[i].top;
        const std::size_t antigos = ativos.size();
        while (i < q.size() && q[i].top == y)
            ativos.push_back(q[i++]);
        if (antigos > 0)
            std::inplace_merge(ativos.begin(), ativos.begin() + static_cast<std::ptrdiff_t>(antigos),
                               ativos.end(), [](const RECT& a, const RECT& b) { return a.left < b.left; });
        std::int32_t base = i < q.size() ? q[i].top : std::numeric_limits<std::int32_t>::max();
        trechos.clear();
        for (const RECT& r : ativos) {
            base = std::min(base, r.bottom);
            if (!trechos.empty() && r.left <= trechos.back().direita)
                trechos.back().direita = std::max(trechos.back().direita, r.right);
            else
                trechos.push_back({r.left, r.right});
        }
        Acrescenta(saida, y, base, trechos);
        y = base;
        std::erase_if(ativos, [y](const RECT& r) { return r.bottom <= y; });
    }
    return saida;
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
    // Built apart first: the destination may also be either source.
    d->faixas = Diferenca(*a, *b).faixas;
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

HRGN ExtCreateRegion(const std::vector<RECT>& retangulos) {
    Regiao uniao = Uniao(retangulos);
    const HRGN h = CreateRectRgn(0, 0, 0, 0);
    if (Regiao* r = Busca(h))
        r->faixas = std::move(uniao.faixas);
    return h;
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
