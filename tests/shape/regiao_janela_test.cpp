// The window outline: the mask follows the region, and the window frees the regions it was given.
#include "platform/regiao/qt/regiao_janela.h"
#include "platform/regiao/regiao.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>

using namespace plataforma;

TEST(RegiaoJanela, MascaraSegueARegiaoEAJanelaLiberaAsSuas) {
    const std::size_t antes = RegioesVivas();
    auto janela = std::make_unique<QWidget>();
    janela->resize(20, 20);

    const HRGN a = CreateRectRgn(0, 0, 10, 10);
    const HRGN furo = CreateRectRgn(2, 2, 4, 4);
    CombineRgn(a, a, furo, RGN_DIFF);
    DeleteObject(furo);
    ASSERT_NE(SetWindowRgn(*janela, a, true), 0);
    EXPECT_EQ(janela->mask(), QRegion(0, 0, 10, 10).subtracted(QRegion(2, 2, 2, 2)));
    EXPECT_EQ(SetWindowRgn(*janela, 0x12345, true), 0) << "a handle that names no region";
    EXPECT_EQ(RegiaoDaJanela(*janela), a);

    const HRGN b = CreateRectRgn(5, 5, 8, 9);
    for (int vez = 0; vez < 2; ++vez) {
        ASSERT_NE(SetWindowRgn(*janela, b, false), 0);
        EXPECT_EQ(janela->mask(), QRegion(5, 5, 3, 4));
        EXPECT_EQ(RegioesVivas(), antes + 1) << "the replaced region is freed, the same one kept";
    }
    ASSERT_NE(SetWindowRgn(*janela, 0, false), 0);
    EXPECT_TRUE(janela->mask().isEmpty());
    EXPECT_EQ(RegioesVivas(), antes);

    // An empty region hides the window rather than removing the outline.
    ASSERT_NE(SetWindowRgn(*janela, CreateRectRgn(0, 0, 0, 0), false), 0);
    EXPECT_FALSE(janela->mask().isEmpty());
    EXPECT_FALSE(janela->mask().intersects(janela->rect()));

    ASSERT_NE(SetWindowRgn(*janela, CreateRectRgn(0, 0, 3, 3), false), 0);
    janela.reset();
    EXPECT_EQ(RegioesVivas(), antes) << "the window frees its region when it goes away";
}
