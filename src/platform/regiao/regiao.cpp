#include "platform/regiao/regiao.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <numeric>
#include <span>
#include <utility>

namespace plataforma {

namespace {

// A region is a list of horizontal bands sorted from top to bottom; each band names the sorted,
// disjoint spans that every one of its rows has, as a stretch of one array shared by all bands (a
// full-HD outline has a thousand bands, and one allocation each was most of its cost). Bands never
// touch with equal spans and never hold no span, so two equal outlines always have equal lists.
struct Trecho {
    std::int32_t esquerda;
    std::int32_t direita;
    friend bool operator==(const Trecho&, const Trecho&) = default;
};

struct Faixa {
    std::int32_t topo;
    std::int32_t base;
    std::size_t inicio; // first span in Regiao::trechos
    std::size_t fim;
};

struct Regiao {
    std::vector<Faixa> faixas;
    std::vector<Trecho> trechos;

    std::span<const Trecho> De(const Faixa& f) const { return {trechos.data() + f.inicio, f.fim - f.inicio}; }
    void Limpa() {
        faixas.clear();
        trechos.clear();
    }
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

// Working arrays kept from one call to the next: a full-HD outline needs megabytes of them, and
// fresh ones cost a page fault per page every time.
struct Rascunhos {
    Regiao regiao;
    std::vector<RECT> ordenados;
    std::vector<RECT> ativos;
    std::vector<std::size_t> contagem;
};

struct Tabela {
    std::vector<Entrada> entradas;
    std::vector<std::uint32_t> livres;
    std::size_t vivas = 0;
    Rascunhos rascunhos;
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

// Makes rows [topo, base) of the spans appended since `inicio`, keeping the canonical form: a band
// that touches the last one with the same spans extends it, and rows without spans are no band.
void FechaFaixa(Regiao& r, std::int32_t topo, std::int32_t base, std::size_t inicio) {
    const std::size_t fim = r.trechos.size();
    if (inicio == fim || topo >= base) {
        r.trechos.resize(inicio);
        return;
    }
    if (!r.faixas.empty()) {
        Faixa& ultima = r.faixas.back();
        if (ultima.base == topo && ultima.fim - ultima.inicio == fim - inicio &&
            std::equal(r.trechos.begin() + static_cast<std::ptrdiff_t>(inicio), r.trechos.end(),
                       r.trechos.begin() + static_cast<std::ptrdiff_t>(ultima.inicio))) {
            ultima.base = base;
            r.trechos.resize(inicio);
            return;
        }
    }
    r.faixas.push_back({topo, base, inicio, fim});
}

// Appends the spans of `a` less those of `b`, both sorted and disjoint, in one pass over each.
void SubtraiTrechos(std::span<const Trecho> a, std::span<const Trecho> b, std::vector<Trecho>& saida) {
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

// Appends a band's spans unchanged.
void CopiaTrechos(std::span<const Trecho> a, std::vector<Trecho>& saida) {
    saida.insert(saida.end(), a.begin(), a.end());
}

// A sweep down both band lists at once into `saida`, empty: time linear in their sizes, whatever
// the outlines.
void Diferenca(const Regiao& a, const Regiao& b, Regiao& saida) {
    std::size_t j = 0;
    for (const Faixa& fa : a.faixas) {
        std::int32_t y = fa.topo;
        while (y < fa.base) {
            while (j < b.faixas.size() && b.faixas[j].base <= y)
                ++j;
            const std::size_t inicio = saida.trechos.size();
            if (j == b.faixas.size() || b.faixas[j].topo >= fa.base) {
                CopiaTrechos(a.De(fa), saida.trechos);
                FechaFaixa(saida, y, fa.base, inicio);
                break;
            }
            const Faixa& fb = b.faixas[j];
            if (fb.topo > y) {
                CopiaTrechos(a.De(fa), saida.trechos);
                FechaFaixa(saida, y, fb.topo, inicio);
                y = fb.topo;
            }
            const std::int32_t fim = std::min(fa.base, fb.base);
            const std::size_t resto = saida.trechos.size();
            SubtraiTrechos(a.De(fa), b.De(fb), saida.trechos);
            FechaFaixa(saida, y, fim, resto);
            y = fim;
        }
    }
}

bool Vazio(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

bool AntesNaVarredura(const RECT& a, const RECT& b) {
    return a.top != b.top ? a.top < b.top : a.left < b.left;
}

// Adds the span to the row's spans begun at `inicio`, which arrive sorted by their left edge.
void Junta(std::vector<Trecho>& trechos, std::size_t inicio, std::int32_t esquerda, std::int32_t direita) {
    if (trechos.size() > inicio && esquerda <= trechos.back().direita)
        trechos.back().direita = std::max(trechos.back().direita, direita);
    else
        trechos.push_back({esquerda, direita});
}

// Whether the rectangle is non-empty and one row high, as a picture's runs are.
bool UmaLinha(const RECT& r) { return !Vazio(r) && r.top + 1 == r.bottom; }

// The union of non-empty rectangles one row high in scan order, as a picture's runs are: each row's
// band is its rectangles' spans merged, with no sweep. False, with `saida` partly built, at the first
// rectangle that is not so; checked on the way, as a pass of its own cost as much as the merge. The
// open span stays in registers: read back from the array, it made every rectangle wait for the one
// before.
bool UniaoDeLinhas(const std::vector<RECT>& q, Regiao& saida) {
    for (std::size_t i = 0; i < q.size();) {
        const std::int32_t topo = q[i].top;
        if (!UmaLinha(q[i]) || (i > 0 && topo < q[i - 1].top))
            return false;
        const std::size_t inicio = saida.trechos.size();
        Trecho aberto{q[i].left, q[i].right};
        for (++i; i < q.size() && q[i].top == topo; ++i) {
            if (!UmaLinha(q[i]) || q[i].left < q[i - 1].left)
                return false;
            if (q[i].left <= aberto.direita) {
                aberto.direita = std::max(aberto.direita, q[i].right);
            } else {
                saida.trechos.push_back(aberto);
                aberto = {q[i].left, q[i].right};
            }
        }
        saida.trechos.push_back(aberto);
        FechaFaixa(saida, topo, topo + 1, inicio);
    }
    return true;
}

// The non-empty rectangles in scan order, in `saida`. When their top edges spread over no more
// than a few times as many values as there are rectangles (a picture's rows) they are put in rows by
// a counting pass, in linear time, and only a row out of order within itself is sorted (one written
// backwards is turned round); anything taller is sorted whole.
void OrdenaNaVarredura(const std::vector<RECT>& retangulos, std::vector<RECT>& saida,
                       std::vector<std::size_t>& contagem) {
    saida.clear();
    std::int64_t topo = std::numeric_limits<std::int32_t>::max();
    std::int64_t fundo = std::numeric_limits<std::int32_t>::min();
    for (const RECT& r : retangulos) {
        topo = std::min<std::int64_t>(topo, r.top);
        fundo = std::max<std::int64_t>(fundo, r.top);
    }
    const auto faixa = static_cast<std::size_t>(std::max<std::int64_t>(fundo - topo + 1, 0));
    if (faixa > 4 * retangulos.size() + 4096) {
        std::remove_copy_if(retangulos.begin(), retangulos.end(), std::back_inserter(saida), Vazio);
        std::sort(saida.begin(), saida.end(), AntesNaVarredura);
        return;
    }
    const auto linha = [topo](const RECT& r) { return static_cast<std::size_t>(r.top - topo); };
    contagem.assign(faixa + 1, 0);
    for (const RECT& r : retangulos)
        if (!Vazio(r))
            ++contagem[linha(r) + 1];
    std::partial_sum(contagem.begin(), contagem.end(), contagem.begin());
    saida.resize(contagem.back());
    for (const RECT& r : retangulos)
        if (!Vazio(r))
            saida[contagem[linha(r)]++] = r;
    const auto porEsquerda = [](const RECT& a, const RECT& b) { return a.left < b.left; };
    for (std::size_t inicio = 0, l = 0; l < faixa; inicio = contagem[l++]) {
        const auto de = saida.begin() + static_cast<std::ptrdiff_t>(inicio);
        const auto ate = saida.begin() + static_cast<std::ptrdiff_t>(contagem[l]);
        if (std::is_sorted(de, ate, porEsquerda))
            continue;
        if (std::is_sorted(de, ate, [](const RECT& a, const RECT& b) { return a.left > b.left; }))
            std::reverse(de, ate);
        else
            std::sort(de, ate, porEsquerda);
    }
}

// The union of non-empty rectangles in scan order, swept from top to bottom with the rectangles
// that cover the current rows kept sorted by their left edge.
void Varre(const std::vector<RECT>& q, std::vector<RECT>& ativos, Regiao& saida) {
    ativos.clear();
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
        const std::size_t inicio = saida.trechos.size();
        for (const RECT& r : ativos) {
            base = std::min(base, r.bottom);
            Junta(saida.trechos, inicio, r.left, r.right);
        }
        FechaFaixa(saida, y, base, inicio);
        y = base;
        std::erase_if(ativos, [y](const RECT& r) { return r.bottom <= y; });
    }
}

// The union of the rectangles into `saida`, empty. A picture's runs take the short way; only
// rectangles out of scan order are copied and ordered.
void Uniao(const std::vector<RECT>& retangulos, Rascunhos& rascunhos, Regiao& saida) {
    saida.trechos.reserve(retangulos.size());
    if (UniaoDeLinhas(retangulos, saida))
        return;
    saida.Limpa();
    const std::vector<RECT>* q = &retangulos;
    if (std::any_of(retangulos.begin(), retangulos.end(), Vazio) ||
        !std::is_sorted(retangulos.begin(), retangulos.end(), AntesNaVarredura)) {
        OrdenaNaVarredura(retangulos, rascunhos.ordenados, rascunhos.contagem);
        q = &rascunhos.ordenados;
        if (UniaoDeLinhas(*q, saida))
            return;
        saida.Limpa();
    }
    Varre(*q, rascunhos.ativos, saida);
}

void Retangulos(const Regiao& r, std::vector<RECT>& saida) {
    saida.clear();
    saida.reserve(r.trechos.size());
    for (const Faixa& b : r.faixas)
        for (const Trecho& t : r.De(b))
            saida.push_back({t.esquerda, b.topo, t.direita, b.base});
}

int Complexidade(const Regiao& r) {
    if (r.faixas.empty())
        return NULLREGION;
    if (r.faixas.size() == 1 && r.trechos.size() == 1)
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
    e.regiao.Limpa();
    const auto [esquerda, direita] = std::minmax(x1, x2);
    const auto [topo, base] = std::minmax(y1, y2);
    if (esquerda < direita && topo < base) {
        e.regiao.faixas.push_back({topo, base, 0, 1});
        e.regiao.trechos.push_back({esquerda, direita});
    }
    return (e.geracao << BitsIndice) | (indice + 1);
}

int CombineRgn(HRGN destino, HRGN fonte1, HRGN fonte2, int modo) {
    Regiao* d = Busca(destino);
    const Regiao* a = Busca(fonte1);
    if (d == nullptr || a == nullptr)
        return ERROR;
    if (modo == RGN_COPY) {
        if (d != a)
            *d = *a;
        return Complexidade(*d);
    }
    if (modo != RGN_DIFF)
        return ERROR;
    const Regiao* b = Busca(fonte2);
    if (b == nullptr)
        return ERROR;
    // Built apart first: the destination may also be either source. The destination's old arrays
    // are kept for the next difference.
    Regiao& saida = tabela().rascunhos.regiao;
    saida.Limpa();
    Diferenca(*a, *b, saida);
    std::swap(*d, saida);
    return Complexidade(*d);
}

int DeleteObject(HRGN objeto) {
    if (Busca(objeto) == nullptr)
        return 0;
    Tabela& t = tabela();
    const std::uint32_t indice = (objeto & MascaraIndice) - 1;
    Entrada& e = t.entradas[indice];
    e.viva = false;
    // Its arrays stay for the next region made in the slot: outlines are rebuilt at the same size.
    e.regiao.Limpa();
    e.geracao = (e.geracao + 1) & MascaraGeracao;
    t.livres.push_back(indice);
    --t.vivas;
    return 1;
}

HRGN ExtCreateRegion(const std::vector<RECT>& retangulos) {
    const HRGN h = CreateRectRgn(0, 0, 0, 0);
    if (Regiao* r = Busca(h))
        Uniao(retangulos, tabela().rascunhos, *r);
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
