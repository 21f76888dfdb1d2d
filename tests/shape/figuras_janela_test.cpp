// The shipped pictures fit the window: the compiled-in pictures are the PNG files, the region file
// matches the skin, every control lies inside the outline, and every button has a normal and a
// distinct second picture of its own size.
#include "app/frm_telvanor01.h"
#include "platform/figuras/qt/figuras_embutidas.h"
#include "platform/regiao/regiao.h"
#include "shape/cria_regiao.h"
#include "shape/figura_imagem.h"
#include "support/ambiente.h"

#include <QDir>
#include <QRegion>

#include <filesystem>

namespace {

constexpr std::uint32_t Magenta = 0x00FF00FF;

const std::filesystem::path ArquivoEntregue = std::filesystem::path(PROGRAMA_ENTREGUE) / "telvanor.rgn";

class FigurasJanela : public AmbienteTeste {};

} // namespace

// Each PNG file is compiled in with the size and pixels Qt decodes it to, in the 32-bit format Qt
// paints it from, and nothing else is.
TEST_F(FigurasJanela, FigurasEmbutidasSaoAsDosArquivos) {
    const QDir pasta(QStringLiteral(FIGURAS_ENTREGUES));
    const QStringList arquivos = pasta.entryList({QStringLiteral("*.png")}, QDir::Files);
    ASSERT_EQ(static_cast<std::size_t>(arquivos.size()), plataforma::FigurasEmbutidas().size());
    for (const QString& nome : arquivos) {
        SCOPED_TRACE(nome.toStdString());
        const QImage arquivo(pasta.filePath(nome), "png");
        const QImage embutida = plataforma::FiguraEmbutidaDe(nome);
        ASSERT_EQ(embutida.size(), arquivo.size());
        EXPECT_EQ(embutida.format(),
                  arquivo.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        const QImage esperada = arquivo.convertToFormat(embutida.format());
        for (int y = 0; y < arquivo.height(); ++y)
            for (int x = 0; x < arquivo.width(); ++x)
                ASSERT_EQ(embutida.pixel(x, y), esperada.pixel(x, y)) << x << "," << y;
    }
    EXPECT_TRUE(plataforma::FiguraEmbutidaDe(u"nenhuma.png").isNull());
}

TEST_F(FigurasJanela, ArquivoDeRegiaoEntregueCorrespondeAPele) {
    const QImage pele = plataforma::FiguraEmbutidaDe(u"fundo.png");
    ASSERT_EQ(pele.size(), QSize(151, 197));
    const std::string novo = pastas.Programa() + "/novo.rgn";
    CriaRegiao r;
    ASSERT_TRUE(r.CriaArquivoRegião(FiguraDeImagem(pele), Magenta, novo));
    EXPECT_EQ(LeArquivo(novo), LeArquivo(ArquivoEntregue))
        << "the skin changed: rebuild the target 'regiao' to write the region file again";

    // The scan never looks at column 0 or row 0 and the file reader drops the last row: the skin
    // keeps its picture away from them, so the window loses nothing visible.
    for (int x = 0; x < pele.width(); ++x)
        for (int y = 0; y < pele.height(); ++y)
            if (x == 0 || y == 0 || y >= pele.height() - 2) {
                ASSERT_EQ(pele.pixel(x, y), qRgb(255, 0, 255)) << x << "," << y;
            }
}

TEST_F(FigurasJanela, CadaBotaoTemSuasDuasFiguras) {
    frmTelvanor01 janela;
    for (const auto& [i, imagem] : janela.img) {
        SCOPED_TRACE(i);
        const Figura& primeira = janela.imgX.at(i);
        const Figura& segunda = janela.imgX.at(i + 1);
        EXPECT_EQ(imagem->Picture().Handle, (i == 200 ? segunda : primeira).Handle);
        for (const Figura* f : {&primeira, &segunda})
            EXPECT_EQ(f->Pixmap.size(), imagem->size()) << "pictures are shown unscaled";
        EXPECT_NE(primeira.Pixmap.toImage(), segunda.Pixmap.toImage());
    }
    EXPECT_NE(janela.Picture1.Pixmap.toImage(), janela.Picture2.Pixmap.toImage());
    EXPECT_EQ(janela.Image1->Picture().Pixmap.size(), janela.size());
}

// Every control lies inside the outline. The load handler applies the outline before it refuses a
// second start, which keeps this test to the outline alone.
TEST_F(FigurasJanela, JanelaTomaOContornoDoArquivoComOsControlesDentroOuFicaInteira) {
    instancia->outraEmExecucao = true;
    const std::size_t antes = plataforma::RegioesVivas();
    const std::filesystem::path arquivo = pastas.Programa() + "/telvanor.rgn";
    std::filesystem::copy_file(ArquivoEntregue, arquivo);
    {
        frmTelvanor01 janela;
        janela.Form_Load("");
        const QRegion contorno = janela.mask();
        EXPECT_FALSE(contorno.contains(QPoint(0, 0)));
        std::vector<QWidget*> controles = {janela.Label1,    janela.Label2,       janela.Label3,
                                           janela.lblAcesso, janela.lblUsuário,   janela.lblSenha,
                                           janela.lblStatus, janela.lblContaEmail};
        for (const auto& [i, imagem] : janela.img)
            controles.push_back(imagem);
        for (QWidget* c : controles)
            EXPECT_TRUE(QRegion(c->geometry()).subtracted(contorno).isEmpty())
                << c->toolTip().toStdString() << Caption(qobject_cast<QLabel*>(c)) << " at "
                << c->geometry().x() << "," << c->geometry().y();
        janela.Form_QueryUnload();
        EXPECT_TRUE(janela.mask().isEmpty());
        EXPECT_EQ(plataforma::RegioesVivas(), antes) << "unloading hands the region back";
    }
    std::filesystem::remove(arquivo);
    frmTelvanor01 janela;
    janela.Form_Load("");
    EXPECT_TRUE(janela.mask().isEmpty()) << "without its region file the window stays whole";
    EXPECT_EQ(plataforma::RegioesVivas(), antes);
}
