// Regions: the difference against a pixel-by-pixel model, the canonical rectangle list a window mask
// is built from, and the handle table.
#include "platform/regiao.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace plataforma;

namespace {

std::vector<RECT> Retangulos(HRGN h) {
    std::vector<RECT> r;
    EXPECT_TRUE(RetangulosDaRegiao(h, r));
    return r;
}

// Base rectangle minus the cuts, through the stand-ins; returns the combine result of the last cut.
int Recorta(HRGN base, const std::vector<RECT>& cortes) {
    int resultado = ERROR;
    for (const RECT& c : cortes) {
        const HRGN corte = CreateRectRgn(c.left, c.top, c.right, c.bottom);
        resultado = CombineRgn(base, base, corte, RGN_DIFF);
        DeleteObject(corte);
    }
    return resultado;
}

struct CasoDiferenca {
    const char* nome;
    std::vector<RECT> cortes;
    int resultado;
    std::vector<RECT> esperado;
};

} // namespace

TEST(Regiao, DiferencaDeRetangulos) {
    const std::vector<CasoDiferenca> casos = {
        {"fora", {{20, 0, 30, 5}}, SIMPLEREGION, {{0, 0, 10, 6}}},
        {"meio", {{3, 2, 5, 4}}, COMPLEXREGION, {{0, 0, 10, 2}, {0, 2, 3, 4}, {5, 2, 10, 4}, {0, 4, 10, 6}}},
        {"faixa de cima inteira", {{-1, 0, 11, 2}}, SIMPLEREGION, {{0, 2, 10, 6}}},
        {"tudo", {{0, 0, 10, 6}}, NULLREGION, {}},
        {"dois trechos na linha",
         {{1, 0, 2, 1}, {4, 0, 6, 1}},
         COMPLEXREGION,
         {{0, 0, 1, 1}, {2, 0, 4, 1}, {6, 0, 10, 1}, {0, 1, 10, 6}}},
        {"linhas iguais se juntam",
         {{0, 1, 2, 2}, {0, 2, 2, 3}},
         COMPLEXREGION,
         {{0, 0, 10, 1}, {2, 1, 10, 3}, {0, 3, 10, 6}}},
        {"cantos invertidos", {{10, 6, 5, 0}}, SIMPLEREGION, {{0, 0, 5, 6}}},
        {"vazio nao corta", {{3, 3, 3, 5}}, SIMPLEREGION, {{0, 0, 10, 6}}},
        {"linha reconstituida volta a ser simples",
         {{0, 5, 4, 6}, {4, 5, 10, 6}},
         SIMPLEREGION,
         {{0, 0, 10, 5}}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const HRGN base = CreateRectRgn(0, 0, 10, 6);
        EXPECT_EQ(Recorta(base, caso.cortes), caso.resultado);
        EXPECT_EQ(Retangulos(base), caso.esperado);
        DeleteObject(base);
    }
}

// Random cuts against a plain pixel grid: the rectangles must cover exactly the remaining pixels,
// in y-x order, without overlaps, with no two touching bands of equal spans.
TEST(Regiao, DiferencaConfereComGradeDePixels) {
    constexpr int L = 37, A = 23;
    std::mt19937 gerador(20261206);
    for (int rodada = 0; rodada < 40; ++rodada) {
        std::vector<char> grade(L * A, 1);
        const HRGN r = CreateRectRgn(0, 0, L, A);
        std::uniform_int_distribution<int> x(-2, L + 2), y(-2, A + 2), lado(0, 6);
        for (int n = 0; n < 60; ++n) {
            const int x0 = x(gerador), y0 = y(gerador);
            const RECT c{x0, y0, x0 + lado(gerador), y0 + lado(gerador) / 3 + 1};
            Recorta(r, {c});
            for (int j = std::max(c.top, 0); j < std::min<int>(c.bottom, A); ++j)
                for (int i = std::max(c.left, 0); i < std::min<int>(c.right, L); ++i)
                    grade[j * L + i] = 0;
        }
        std::vector<char> coberto(L * A, 0);
        const auto rets = Retangulos(r);
        for (std::size_t k = 0; k < rets.size(); ++k) {
            const RECT& q = rets[k];
            ASSERT_LT(q.left, q.right);
            ASSERT_LT(q.top, q.bottom);
            if (k > 0) {
                const RECT& p = rets[k - 1];
                const bool mesmaFaixa = p.top == q.top;
                ASSERT_TRUE(mesmaFaixa ? (p.bottom == q.bottom && p.right < q.left) : p.bottom <= q.top);
            }
            for (int j = q.top; j < q.bottom; ++j)
                for (int i = q.left; i < q.right; ++i) {
                    ASSERT_EQ(coberto[j * L + i], 0);
                    coberto[j * L + i] = 1;
                }
        }
        ASSERT_EQ(coberto, grade) << "rodada " << rodada;
        // Touching bands with the same spans would have been merged.
        std::vector<std::vector<RECT>> faixas;
        for (const RECT& q : rets) {
            if (faixas.empty() || faixas.back().front().top != q.top)
                faixas.emplace_back();
            faixas.back().push_back(q);
        }
        for (std::size_t k = 1; k < faixas.size(); ++k) {
            const auto& a = faixas[k - 1];
            const auto& b = faixas[k];
            if (a.front().bottom != b.front().top || a.size() != b.size())
                continue;
            bool iguais = true;
            for (std::size_t m = 0; m < a.size(); ++m)
                iguais = iguais && a[m].left == b[m].left && a[m].right == b[m].right;
            EXPECT_FALSE(iguais) << "rodada " << rodada << ", faixa " << k;
        }
        DeleteObject(r);
    }
}

TEST(Regiao, CopiaEDiferencaComAFonteComoDestino) {
    const HRGN a = CreateRectRgn(0, 0, 4, 4);
    const HRGN b = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(CombineRgn(b, a, 0, RGN_COPY), SIMPLEREGION);
    EXPECT_EQ(Retangulos(b), (std::vector<RECT>{{0, 0, 4, 4}}));
    EXPECT_EQ(CombineRgn(a, a, a, RGN_DIFF), NULLREGION);
    EXPECT_TRUE(Retangulos(a).empty());
    const HRGN c = CreateRectRgn(1, 1, 3, 3);
    EXPECT_EQ(CombineRgn(c, b, c, RGN_DIFF), COMPLEXREGION);
    EXPECT_EQ(Retangulos(c).size(), 4u);
    for (HRGN h : {a, b, c})
        DeleteObject(h);
}

TEST(Regiao, AlcasInvalidasEApagadas) {
    const std::size_t antes = RegioesVivas();
    const HRGN a = CreateRectRgn(0, 0, 2, 2);
    EXPECT_NE(a, 0u);
    EXPECT_EQ(RegioesVivas(), antes + 1);
    EXPECT_EQ(CombineRgn(a, a, 0, RGN_DIFF), ERROR);
    EXPECT_EQ(CombineRgn(0, a, a, RGN_DIFF), ERROR);
    EXPECT_EQ(CombineRgn(a, a, a, 1), ERROR);
    EXPECT_EQ(DeleteObject(a), 1);
    EXPECT_EQ(DeleteObject(a), 0);
    EXPECT_EQ(RegioesVivas(), antes);

    // The slot is reused, but the old handle must not reach the new region.
    const HRGN b = CreateRectRgn(0, 0, 3, 3);
    EXPECT_NE(b, a);
    std::vector<RECT> r;
    EXPECT_FALSE(RetangulosDaRegiao(a, r));
    EXPECT_EQ(DeleteObject(a), 0);
    EXPECT_EQ(Retangulos(b), (std::vector<RECT>{{0, 0, 3, 3}}));
    EXPECT_EQ(DeleteObject(b), 1);
    EXPECT_EQ(DeleteObject(0), 0);
}
