// The region builder: picture scan and region file against each other, the exact file text, the
// fallback for a file that cannot be read, and who frees the region.
#include "platform/regiao/regiao.h"
#include "shape/cria_regiao.h"
#include "shape/figura_imagem.h"
#include "support/grade_regiao.h"
#include "support/pastas_temporarias.h"

#include <gtest/gtest.h>

#include <QFile>

#include <random>
#include <string>
#include <vector>

using namespace plataforma;

namespace {

constexpr std::uint32_t Magenta = 0x00FF00FF;

// One string per row; 'M' is a magenta pixel, anything else a grey one.
Figura Desenho(const std::vector<std::string>& linhas) {
    QImage imagem(static_cast<int>(linhas.front().size()), static_cast<int>(linhas.size()),
                  QImage::Format_RGB32);
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            imagem.setPixel(x, y, linhas[y][x] == 'M' ? qRgb(255, 0, 255) : qRgb(90, 90, 90));
    return FiguraDeImagem(imagem);
}

// A picture of W by H pixels, each one magenta with probability `p`.
std::vector<std::string> Sorteio(int W, int H, double p, std::mt19937& gerador) {
    std::bernoulli_distribution transparente(p);
    std::vector<std::string> linhas(H, std::string(W, '.'));
    for (auto& l : linhas)
        for (char& c : l)
            c = transparente(gerador) ? 'M' : '.';
    return linhas;
}

std::vector<RECT> Retangulos(std::uint32_t h) {
    std::vector<RECT> r;
    EXPECT_TRUE(RetangulosDaRegiao(h, r));
    return r;
}

class CriaRegiaoTeste : public ::testing::Test {
protected:
    std::string Caminho(const char* nome) const { return pastas.Raiz() + "/" + nome; }
    std::string Conteudo(const char* nome) const { return LeArquivo(Caminho(nome)); }
    void Grava(const char* nome, const std::string& texto) const { GravaArquivo(Caminho(nome), texto); }
    PastasTemporarias pastas;
};

} // namespace

// The exact file text; column 0 and row 0 are never examined, column W and row H are past the
// picture. Each file is written over a longer one. The region of each picture is
// CorridosAtravessamCadaGrupoDeColunas's to check.
TEST_F(CriaRegiaoTeste, ArquivoDeCadaFigura) {
    for (const auto& [linhas, arquivo] :
         {std::pair<std::vector<std::string>, std::string>{{"MMMM", "MMMM", "..M."}, "4,3\r\n1,4@1|2,3@2"},
          {{".....", ".....", "....."}, "5,3\r\n"},
          {{"......", "...MMM", "......"}, "6,3\r\n3,6@1"},
          {{"......", ".M.MM.", "......"}, "6,3\r\n1,2@1|3,5@1"},
          {{"MMMM", "M...", "M..."}, "4,3\r\n"}}) {
        SCOPED_TRACE(arquivo);
        Grava("r.rgn", "151,197\r\n" + std::string(5000, '7'));
        CriaRegiao r;
        ASSERT_TRUE(r.CriaArquivoRegião(Desenho(linhas), Magenta, Caminho("r.rgn")));
        EXPECT_EQ(Conteudo("r.rgn"), arquivo);
    }
}

// A row is scanned 64 columns at a time: runs that start, end or lie across those boundaries, or
// reach the last column, must cut exactly the transparent pixels.
TEST_F(CriaRegiaoTeste, CorridosAtravessamCadaGrupoDeColunas) {
    std::mt19937 gerador(64);
    for (const int W : {2, 63, 64, 65, 66, 127, 128, 129, 200})
        for (const double p : {0.3, 0.9, 1.0}) {
            SCOPED_TRACE(testing::Message() << W << " colunas, " << p);
            const std::vector<std::string> linhas = Sorteio(W, 4, p, gerador);
            // The region covers columns 1 to W - 1 of rows 1 to H - 1, less the transparent pixels.
            std::vector<char> grade(W * 4, 0);
            for (int y = 1; y < 4; ++y)
                for (int x = 1; x < W; ++x)
                    grade[y * W + x] = linhas[y][x] != 'M';
            CriaRegiao r;
            ASSERT_TRUE(r.CriaRegiãoDeFigura(Desenho(linhas), Magenta));
            EXPECT_EQ(Retangulos(r.Handle()), RetangulosDaGrade(grade, W, 4));
        }
}

// Reading the file gives the picture's cut-outs on a base one row shorter.
TEST_F(CriaRegiaoTeste, ArquivoLidoDaOsMesmosRecortesQueAFigura) {
    std::mt19937 gerador(7);
    for (int rodada = 0; rodada < 8; ++rodada) {
        const int W = 13 + rodada, H = 9 + rodada;
        const Figura figura = Desenho(Sorteio(W, H, 0.4, gerador));
        CriaRegiao daFigura, doArquivo;
        ASSERT_TRUE(daFigura.CriaArquivoRegião(figura, Magenta, Caminho("r.rgn")));
        ASSERT_TRUE(doArquivo.CriaRegiãoDeArquivo(Caminho("r.rgn")));
        ASSERT_TRUE(daFigura.CriaRegiãoDeFigura(figura, Magenta));
        const HRGN ultimaLinha = CreateRectRgn(0, H - 1, W + 1, H);
        CombineRgn(daFigura.Handle(), daFigura.Handle(), ultimaLinha, RGN_DIFF);
        DeleteObject(ultimaLinha);
        EXPECT_EQ(Retangulos(doArquivo.Handle()), Retangulos(daFigura.Handle())) << "rodada " << rodada;
        daFigura.DestroiRegião();
        doArquivo.DestroiRegião();
    }
}

// A file that cannot be read, or whose region holds nothing (the base is one row shorter, so one or
// two rows leave none), must not leave the window invisible: no region at all. A run outside the
// picture was not written from it; near the integer limit it once wrapped round and erased the
// whole outline.
TEST_F(CriaRegiaoTeste, ArquivoIlegivelOuComCorridoForaDaFiguraDeixaAJanelaInteira) {
    const std::size_t antes = RegioesVivas();
    for (const auto& [nome, texto] : {std::pair{"vazio.rgn", ""},
                                      {"cabecalho.rgn", "abc,3\r\n1,2@1"},
                                      {"zero.rgn", "0,0\r\n"},
                                      {"negativo.rgn", "-4,3\r\n"},
                                      {"nao-existe.rgn", nullptr},
                                      {"limite.rgn", "6,4\r\n1,2@1|1,3@2147483647"},
                                      {"abaixo.rgn", "6,4\r\n1,2@4"},
                                      {"direita.rgn", "6,4\r\n1,7@1"},
                                      {"perto-do-limite.rgn", "6,4\r\n2147483646,2147483647@1"},
                                      {"invertido.rgn", "6,4\r\n4,2@1"},
                                      {"uma-linha.rgn", "5,1\r\n"},
                                      {"duas-linhas.rgn", "5,2\r\n1,2@1"},
                                      {"uma-coluna.rgn", "1,5\r\n"},
                                      {"tudo-cortado.rgn", "3,3\r\n1,3@1"}}) {
        SCOPED_TRACE(nome);
        if (texto)
            Grava(nome, texto);
        CriaRegiao r;
        ASSERT_TRUE(r.CriaRegiãoDeFigura(Desenho({"..", ".."}), Magenta));
        EXPECT_TRUE(r.CriaRegiãoDeArquivo(Caminho(nome)));
        EXPECT_EQ(r.Handle(), 0u);
        EXPECT_EQ(RegioesVivas(), antes) << "the earlier region must be freed";
    }
}

// The file's base is one row shorter than the picture. A record cut short before its bar ("4,5|") once took
// the record after it along: unreadable records are skipped alone.
TEST_F(CriaRegiaoTeste, BaseDoArquivoERegistrosIlegiveis) {
    for (const auto& [texto, esperado] :
         {std::pair{"5,3\r\n1,2@1", std::vector<RECT>{{2, 1, 5, 2}}},
          {"6,4\r\n1,2@1|x,5@1||4@2|4,5|3,5@2|7,8", {{2, 1, 6, 2}, {1, 2, 3, 3}, {5, 2, 6, 3}}}}) {
        SCOPED_TRACE(texto);
        Grava("r.rgn", texto);
        CriaRegiao r;
        EXPECT_TRUE(r.CriaRegiãoDeArquivo(Caminho("r.rgn")));
        ASSERT_NE(r.Handle(), 0u);
        EXPECT_EQ(Retangulos(r.Handle()), esperado);
    }
}

TEST_F(CriaRegiaoTeste, DestroiDuasVezesApagaUmaSo) {
    CriaRegiao r;
    ASSERT_TRUE(r.CriaRegiãoDeFigura(Desenho({"...", "..."}), Magenta));
    const std::size_t vivas = RegioesVivas();
    r.DestroiRegião();
    EXPECT_EQ(r.Handle(), 0u);
    r.DestroiRegião();
    EXPECT_EQ(RegioesVivas(), vivas - 1);
}

// A picture kept premultiplied is read in plain colours: a half-transparent magenta is cut away as
// the opaque one is.
TEST_F(CriaRegiaoTeste, FiguraPremultiplicadaELidaEmCoresSimples) {
    QImage imagem(4, 3, QImage::Format_ARGB32);
    imagem.fill(qRgb(90, 90, 90));
    imagem.setPixel(2, 1, qRgba(255, 0, 255, 128));
    CriaRegiao premultiplicada, opaca;
    ASSERT_TRUE(premultiplicada.CriaArquivoRegião(
        FiguraDeImagem(imagem.convertToFormat(QImage::Format_ARGB32_Premultiplied)), Magenta,
        Caminho("p.rgn")));
    ASSERT_TRUE(opaca.CriaArquivoRegião(Desenho({"....", "..M.", "...."}), Magenta, Caminho("o.rgn")));
    EXPECT_EQ(Conteudo("p.rgn"), Conteudo("o.rgn"));
}

TEST_F(CriaRegiaoTeste, FiguraSemPixelsAlcancaveisFalha) {
    const Figura semBitmap = Figura::Nova(QPixmap(3, 3));
    const std::size_t vivas = RegioesVivas();
    CriaRegiao r;
    EXPECT_FALSE(r.CriaRegiãoDeFigura(semBitmap, Magenta));
    EXPECT_FALSE(r.CriaArquivoRegião(semBitmap, Magenta, Caminho("r.rgn")));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Caminho("r.rgn"))));
    EXPECT_FALSE(r.CriaArquivoRegião(Desenho({".."}), Magenta, Caminho("pasta-que-falta/r.rgn")));
    EXPECT_EQ(RegioesVivas(), vivas);
}
