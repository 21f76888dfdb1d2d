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

// Random cuts against a plain pixel grid: the rectangles must be its rows' runs, y-x banded, with
// touching rows of equal runs merged into one band.
TEST(Regiao, DiferencaConfereComGradeDePixels) {
    constexpr int L = 37, A = 23;
    std::mt19937 gerador(20261206);
    std::uniform_int_distribution<int> x(-2, L + 2), y(-2, A + 2), lado(0, 6);
    for (int rodada = 0; rodada < 40; ++rodada) {
        std::vector<char> grade(L * A, 1);
        const HRGN r = CreateRectRgn(0, 0, L, A);
        for (int n = 0; n < 60; ++n) {
            const int x0 = x(gerador), y0 = y(gerador);
            const RECT c{x0, y0, x0 + lado(gerador), y0 + lado(gerador) / 3 + 1};
            Recorta(r, {c});
            for (int j = std::max(c.top, 0); j < std::min<int>(c.bottom, A); ++j)
                for (int i = std::max(c.left, 0); i < std::min<int>(c.right, L); ++i)
                    grade[j * L + i] = 0;
        }
        const auto trechos = [&](int j) {
            std::vector<std::pair<int, int>> t;
            for (int i = 0; i < L; ++i)
                if (grade[j * L + i] && (i == 0 || !grade[j * L + i - 1]))
                    t.emplace_back(i, i + 1);
                else if (grade[j * L + i])
                    t.back().second = i + 1;
            return t;
        };
        std::vector<RECT> esperado;
        for (int j = 0, fim = 0; j < A; j = fim) {
            const auto t = trechos(j);
            for (fim = j + 1; fim < A && trechos(fim) == t;)
                ++fim;
            for (const auto& [esquerda, direita] : t)
                esperado.push_back({esquerda, j, direita, fim});
        }
        ASSERT_EQ(Retangulos(r), esperado) << "rodada " << rodada;
        DeleteObject(r);
    }
}

TEST(Regiao, FonteComoDestinoEAlcasInvalidasOuApagadas) {
    const std::size_t antes = RegioesVivas();
    const HRGN a = CreateRectRgn(0, 0, 4, 4), b = CreateRectRgn(0, 0, 1, 1), c = CreateRectRgn(1, 1, 3, 3);
    EXPECT_EQ(RegioesVivas(), antes + 3);
    EXPECT_EQ(CombineRgn(b, a, 0, RGN_COPY), SIMPLEREGION);
    EXPECT_EQ(Retangulos(b), (std::vector<RECT>{{0, 0, 4, 4}}));
    EXPECT_EQ(CombineRgn(c, b, c, RGN_DIFF), COMPLEXREGION);
    EXPECT_EQ(Retangulos(c).size(), 4u);
    EXPECT_EQ(CombineRgn(a, a, a, RGN_DIFF), NULLREGION);
    EXPECT_TRUE(Retangulos(a).empty());
    for (const auto& [destino, fonte, outra, modo] :
         {std::tuple{a, a, HRGN{0}, RGN_DIFF}, {HRGN{0}, a, a, RGN_DIFF}, {a, a, a, 1}})
        EXPECT_EQ(CombineRgn(destino, fonte, outra, modo), ERROR);
    for (HRGN h : {a, b, c})
        EXPECT_EQ(DeleteObject(h), 1);
    EXPECT_EQ(RegioesVivas(), antes);

    // A slot is reused, but no old handle may reach the new region.
    const HRGN d = CreateRectRgn(0, 0, 3, 3);
    std::vector<RECT> r;
    for (HRGN h : {a, b, c}) {
        EXPECT_NE(d, h);
        EXPECT_FALSE(RetangulosDaRegiao(h, r));
        EXPECT_EQ(DeleteObject(h), 0);
    }
    EXPECT_EQ(Retangulos(d), (std::vector<RECT>{{0, 0, 3, 3}}));
    EXPECT_EQ(DeleteObject(d), 1);
    EXPECT_EQ(DeleteObject(0), 0);
}
