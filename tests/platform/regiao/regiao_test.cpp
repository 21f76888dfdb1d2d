// Regions: the difference against a pixel-by-pixel model, the canonical rectangle list a window mask
// is built from, and the handle table.
#include "platform/regiao/regiao.h"
#include "support/grade_regiao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace plataforma;

namespace {

std::vector<RECT> Retangulos(HRGN h) {
    std::vector<RECT> r;
    EXPECT_TRUE(RetangulosDaRegiao(h, r));
    return r;
}

// Cuts a largura x altura rectangle through the stand-ins and on a pixel grid, and checks the region
// against the grid's canonical form: each row's runs, y-x banded, touching rows of equal runs merged
// into one band. Returns the combine result of the last cut.
int CortaEConfere(int largura, int altura, const std::vector<RECT>& cortes) {
    const HRGN r = CreateRectRgn(0, 0, largura, altura);
    std::vector<char> grade(largura * altura, 1);
    int resultado = ERROR;
    for (const RECT& c : cortes) {
        const HRGN corte = CreateRectRgn(c.left, c.top, c.right, c.bottom);
        resultado = CombineRgn(r, r, corte, RGN_DIFF);
        DeleteObject(corte);
        for (int j = std::max(std::min(c.top, c.bottom), 0); j < std::min(std::max(c.top, c.bottom), altura);
             ++j)
            for (int i = std::max(std::min(c.left, c.right), 0);
                 i < std::min(std::max(c.left, c.right), largura); ++i)
                grade[j * largura + i] = 0;
    }
    EXPECT_EQ(Retangulos(r), RetangulosDaGrade(grade, largura, altura));
    DeleteObject(r);
    return resultado;
}

// The union of the rectangles, given in their order, reversed and shuffled, must be the pixels they
// cover in the canonical form.
void ConfereUniao(const std::vector<RECT>& retangulos, std::mt19937& gerador) {
    constexpr int Largura = 52, Altura = 34, Margem = 4;
    std::vector<char> grade(Largura * Altura, 0);
    for (const RECT& r : retangulos)
        for (int j = r.top; j < r.bottom; ++j)
            for (int i = r.left; i < r.right; ++i)
                grade[(j + Margem) * Largura + i + Margem] = 1;
    std::vector<RECT> esperado = RetangulosDaGrade(grade, Largura, Altura);
    for (RECT& r : esperado)
        r = {r.left - Margem, r.top - Margem, r.right - Margem, r.bottom - Margem};
    std::vector<RECT> invertida(retangulos.rbegin(), retangulos.rend()), embaralhada = invertida;
    std::shuffle(embaralhada.begin(), embaralhada.end(), gerador);
    for (const auto& ordem : {retangulos, invertida, embaralhada}) {
        const HRGN uniao = ExtCreateRegion(ordem);
        EXPECT_EQ(Retangulos(uniao), esperado);
        DeleteObject(uniao);
    }
}

// `quantos` rectangles at random, their top left corners from (-2, -2) to (39, 25), up to `lado` wide
// and `lado / divisor + minimo` high.
std::vector<RECT> AoAcaso(std::mt19937& gerador, int quantos, int lado, int divisor, int minimo) {
    std::uniform_int_distribution<int> x(-2, 39), y(-2, 25), medida(0, lado);
    std::vector<RECT> retangulos;
    for (int n = 0; n < quantos; ++n) {
        const int x0 = x(gerador), y0 = y(gerador);
        retangulos.push_back({x0, y0, x0 + medida(gerador), y0 + medida(gerador) / divisor + minimo});
    }
    return retangulos;
}

} // namespace

TEST(Regiao, DiferencaConfereComGradeDePixels) {
    const struct {
        const char* nome;
        std::vector<RECT> cortes;
        int resultado;
    } casos[] = {
        {"fora", {{20, 0, 30, 5}}, SIMPLEREGION},
        {"meio", {{3, 2, 5, 4}}, COMPLEXREGION},
        {"faixa de cima inteira", {{-1, 0, 11, 2}}, SIMPLEREGION},
        {"tudo", {{0, 0, 10, 6}}, NULLREGION},
        {"dois trechos na linha", {{1, 0, 2, 1}, {4, 0, 6, 1}}, COMPLEXREGION},
        {"até a última coluna", {{7, 2, 10, 3}}, COMPLEXREGION},
        {"linhas iguais se juntam", {{0, 1, 2, 2}, {0, 2, 2, 3}}, COMPLEXREGION},
        {"cantos invertidos", {{10, 6, 5, 0}}, SIMPLEREGION},
        {"vazio nao corta", {{3, 3, 3, 5}}, SIMPLEREGION},
        {"linha reconstituida volta a ser simples", {{0, 5, 4, 6}, {4, 5, 10, 6}}, SIMPLEREGION},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EXPECT_EQ(CortaEConfere(10, 6, caso.cortes), caso.resultado);
    }
    std::mt19937 gerador(20261206);
    for (int rodada = 0; rodada < 40; ++rodada) {
        SCOPED_TRACE(rodada);
        CortaEConfere(37, 23, AoAcaso(gerador, 60, 6, 3, 1));
    }
}

TEST(Regiao, UniaoDeRetangulosConfereComGradeDePixels) {
    std::mt19937 gerador(1311);
    for (int rodada = 0; rodada < 40; ++rodada) {
        SCOPED_TRACE(rodada);
        ConfereUniao(AoAcaso(gerador, 80, 7, 2, 0), gerador);
    }
}

// Rectangles one row high, as a picture's runs are, take a path of their own when in scan order and
// are put in rows by counting when not.
TEST(Regiao, UniaoDeLinhasEmQualquerOrdemConfereComGradeDePixels) {
    const struct {
        const char* nome;
        std::vector<RECT> retangulos;
    } casos[] = {
        {"corridos de uma figura", {{1, 1, 3, 2}, {5, 1, 6, 2}, {2, 2, 9, 3}, {0, 4, 1, 5}, {8, 4, 12, 5}}},
        {"tocam, se sobrepõem e se repetem na linha",
         {{0, 0, 3, 1}, {3, 0, 5, 1}, {4, 0, 9, 1}, {4, 0, 9, 1}, {1, 0, 2, 1}}},
        {"linhas iguais seguidas",
         {{2, 2, 4, 3}, {6, 2, 7, 3}, {2, 3, 4, 4}, {6, 3, 7, 4}, {2, 4, 4, 5}, {6, 4, 7, 5}}},
        {"vazios de permeio", {{3, 1, 3, 2}, {2, 1, 5, 2}, {7, 2, 6, 3}, {0, 2, 4, 2}, {1, 5, 2, 6}}},
        {"um de duas linhas entre os de uma", {{0, 1, 4, 2}, {2, 2, 6, 4}, {5, 3, 8, 4}, {0, 4, 1, 5}}},
        {"fora da grade por cima e pela esquerda", {{-3, -2, 2, -1}, {-1, 0, 3, 1}, {4, 0, 6, 1}}},
    };
    std::mt19937 gerador(14);
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        ConfereUniao(caso.retangulos, gerador);
    }
    // Rows too far apart to be put in rows by counting are sorted.
    const HRGN longe = ExtCreateRegion({{0, 2000000000, 2, 2000000001}, {1, -5, 3, -4}, {0, -5, 1, -4}});
    EXPECT_EQ(Retangulos(longe), (std::vector<RECT>{{0, -5, 3, -4}, {0, 2000000000, 2, 2000000001}}));
    DeleteObject(longe);
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
