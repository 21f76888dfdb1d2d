// The region builder: picture scan and region file against each other, the exact file text, the
// fallback for a file that cannot be read, and who frees the region.
#include "platform/qt/contexto_dispositivo.h"
#include "platform/regiao.h"
#include "shape/cria_regiao.h"
#include "shape/figura_imagem.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <iterator>
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

std::string Conteudo(const std::string& nome) {
    std::ifstream f(nome, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void Grava(const std::string& nome, const std::string& texto) {
    std::ofstream(nome, std::ios::binary) << texto;
}

std::vector<RECT> Retangulos(std::uint32_t h) {
    std::vector<RECT> r;
    EXPECT_TRUE(RetangulosDaRegiao(h, r));
    return r;
}

class CriaRegiaoTeste : public ::testing::Test {
protected:
    std::string Caminho(const char* nome) const { return pasta.filePath(nome).toStdString(); }
    QTemporaryDir pasta;
};

struct CasoFigura {
    const char* nome;
    std::vector<std::string> linhas;
    std::string arquivo;
    std::vector<RECT> regiao;
};

} // namespace

TEST(ContextoDispositivo, PixelsCoresEBordas) {
    QImage imagem(2, 1, QImage::Format_ARGB32);
    imagem.setPixel(0, 0, qRgb(0x12, 0x34, 0x56));
    imagem.setPixel(1, 0, qRgb(255, 0, 255));
    const Figura f = FiguraDeImagem(imagem);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(f.Handle, sizeof bm, &bm), 24);
    EXPECT_EQ(bm.bmWidth, 2);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(GetObjectA(f.Handle, 10, &bm), 0);

    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ anterior = SelectObject(dc, f.Handle);
    ASSERT_NE(anterior, 0u);
    const struct {
        int x, y;
        COLORREF cor;
    } casos[] = {
        {0, 0, 0x00563412}, {1, 0, Magenta}, {2, 0, CLR_INVALID}, {0, 1, CLR_INVALID}, {-1, 0, CLR_INVALID}};
    for (const auto& c : casos)
        EXPECT_EQ(GetPixel(dc, c.x, c.y), c.cor) << c.x << "," << c.y;
    EXPECT_EQ(SelectObject(dc, anterior), f.Handle);
    EXPECT_EQ(SelectObject(dc, 0xDEAD), 0u);
    EXPECT_EQ(DeleteDC(dc), 1);
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
}

// Column 0 and row 0 are never examined; column W and row H are past the picture.
TEST_F(CriaRegiaoTeste, ArquivoERegiaoDeCadaFigura) {
    const std::vector<CasoFigura> casos = {
        {"exemplo 4 x 3", {"MMMM", "MMMM", "..M."}, "4,3\r\n1,4@1|2,3@2", {{1, 2, 2, 3}, {3, 2, 4, 3}}},
        {"sem transparencia", {".....", ".....", ".....", "....."}, "5,4\r\n", {{1, 1, 5, 4}}},
        {"corrido ate a ultima coluna",
         {"......", "...MMM", "......"},
         "6,3\r\n3,6@1",
         {{1, 1, 3, 2}, {1, 2, 6, 3}}},
        {"dois corridos na linha",
         {"......", ".M.MM.", "......"},
         "6,3\r\n1,2@1|3,5@1",
         {{2, 1, 3, 2}, {5, 1, 6, 2}, {1, 2, 6, 3}}},
        {"coluna e linha zero ignoradas", {"MMMM", "M...", "M..."}, "4,3\r\n", {{1, 1, 4, 3}}},
        {"corrido de um pixel na ultima coluna",
         {"....", "...M", "...."},
         "4,3\r\n3,4@1",
         {{1, 1, 3, 2}, {1, 2, 4, 3}}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const Figura figura = Desenho(caso.linhas);
        CriaRegiao r;
        ASSERT_TRUE(r.CriaArquivoRegião(figura, Magenta, Caminho("r.rgn")));
        EXPECT_EQ(Conteudo(Caminho("r.rgn")), caso.arquivo);
        ASSERT_TRUE(r.CriaRegiãoDeFigura(figura, Magenta));
        EXPECT_EQ(Retangulos(r.Handle()), caso.regiao);
        r.DestroiRegião();
    }
}

// Reading the file gives the picture's cut-outs on a base one row shorter.
TEST_F(CriaRegiaoTeste, ArquivoLidoDaOsMesmosRecortesQueAFigura) {
    std::mt19937 gerador(7);
    std::bernoulli_distribution transparente(0.4);
    for (int rodada = 0; rodada < 8; ++rodada) {
        std::vector<std::string> linhas(9 + rodada, std::string(13 + rodada, '.'));
        for (auto& l : linhas)
            for (char& c : l)
                c = transparente(gerador) ? 'M' : '.';
        const Figura figura = Desenho(linhas);
        CriaRegiao daFigura, doArquivo;
        ASSERT_TRUE(daFigura.CriaArquivoRegião(figura, Magenta, Caminho("r.rgn")));
        ASSERT_TRUE(doArquivo.CriaRegiãoDeArquivo(Caminho("r.rgn")));
        ASSERT_TRUE(daFigura.CriaRegiãoDeFigura(figura, Magenta));
        const int W = static_cast<int>(linhas.front().size()), H = static_cast<int>(linhas.size());
        const HRGN ultimaLinha = CreateRectRgn(0, H - 1, W + 1, H);
        CombineRgn(daFigura.Handle(), daFigura.Handle(), ultimaLinha, RGN_DIFF);
        DeleteObject(ultimaLinha);
        EXPECT_EQ(Retangulos(doArquivo.Handle()), Retangulos(daFigura.Handle())) << "rodada " << rodada;
        daFigura.DestroiRegião();
        doArquivo.DestroiRegião();
    }
}

TEST_F(CriaRegiaoTeste, ArquivoNovoSubstituiUmMaisLongo) {
    Grava(Caminho("r.rgn"), "151,197\r\n" + std::string(5000, '7'));
    CriaRegiao r;
    ASSERT_TRUE(r.CriaArquivoRegião(Desenho({"...", ".M.", "..."}), Magenta, Caminho("r.rgn")));
    EXPECT_EQ(Conteudo(Caminho("r.rgn")), "3,3\r\n1,2@1");
}

// A file that cannot be read must not leave the window practically invisible: no region at all.
TEST_F(CriaRegiaoTeste, ArquivoIlegivelDeixaAJanelaInteira) {
    Grava(Caminho("vazio.rgn"), "");
    Grava(Caminho("cabecalho.rgn"), "abc,3\r\n1,2@1");
    Grava(Caminho("zero.rgn"), "0,0\r\n");
    Grava(Caminho("negativo.rgn"), "-4,3\r\n");
    const std::size_t antes = RegioesVivas();
    for (const char* nome : {"nao-existe.rgn", "vazio.rgn", "cabecalho.rgn", "zero.rgn", "negativo.rgn"}) {
        SCOPED_TRACE(nome);
        CriaRegiao r;
        ASSERT_TRUE(r.CriaRegiãoDeFigura(Desenho({"..", ".."}), Magenta));
        EXPECT_TRUE(r.CriaRegiãoDeArquivo(Caminho(nome)));
        EXPECT_EQ(r.Handle(), 0u);
        EXPECT_EQ(RegioesVivas(), antes) << "the earlier region must be freed";
    }
}

TEST_F(CriaRegiaoTeste, RegistrosIlegiveisSaoPulados) {
    Grava(Caminho("bom.rgn"), "6,4\r\n1,2@1|3,5@2");
    Grava(Caminho("ruim.rgn"), "6,4\r\n1,2@1|x,5@1||4@2|3,5@2|7,8");
    Grava(Caminho("sem-quebra.rgn"), "6,4");
    CriaRegiao bom, ruim, semQuebra;
    EXPECT_TRUE(bom.CriaRegiãoDeArquivo(Caminho("bom.rgn")));
    EXPECT_TRUE(ruim.CriaRegiãoDeArquivo(Caminho("ruim.rgn")));
    EXPECT_TRUE(semQuebra.CriaRegiãoDeArquivo(Caminho("sem-quebra.rgn")));
    EXPECT_EQ(Retangulos(ruim.Handle()), Retangulos(bom.Handle()));
    EXPECT_EQ(Retangulos(semQuebra.Handle()), (std::vector<RECT>{{1, 1, 6, 3}}));
    for (CriaRegiao* r : {&bom, &ruim, &semQuebra})
        r->DestroiRegião();
}

TEST_F(CriaRegiaoTeste, DestroiDuasVezesApagaUmaSo) {
    const HRGN outra = CreateRectRgn(0, 0, 5, 5);
    CriaRegiao r;
    ASSERT_TRUE(r.CriaRegiãoDeFigura(Desenho({"...", "..."}), Magenta));
    const std::size_t vivas = RegioesVivas();
    r.DestroiRegião();
    EXPECT_EQ(r.Handle(), 0u);
    EXPECT_EQ(RegioesVivas(), vivas - 1);
    r.DestroiRegião();
    EXPECT_EQ(RegioesVivas(), vivas - 1);
    std::vector<RECT> q;
    EXPECT_TRUE(RetangulosDaRegiao(outra, q));
    DeleteObject(outra);
}

TEST_F(CriaRegiaoTeste, FiguraSemPixelsAlcancaveisFalha) {
    const Figura semBitmap = Figura::Nova(QPixmap(3, 3));
    const std::size_t vivas = RegioesVivas();
    CriaRegiao r;
    EXPECT_FALSE(r.CriaRegiãoDeFigura(semBitmap, Magenta));
    EXPECT_EQ(r.Handle(), 0u);
    EXPECT_FALSE(r.CriaArquivoRegião(semBitmap, Magenta, Caminho("r.rgn")));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Caminho("r.rgn"))));
    EXPECT_FALSE(r.CriaArquivoRegião(Desenho({".."}), Magenta, Caminho("pasta-que-falta/r.rgn")));
    EXPECT_EQ(RegioesVivas(), vivas);
}
