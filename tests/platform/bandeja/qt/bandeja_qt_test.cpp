// The Qt tray backend: one QSystemTrayIcon per (window, identifier), changed only in the fields a
// call names, and the icon's clicks reaching the window as mouse messages through the event loop.
#include "platform/bandeja/qt/bandeja.h"
#include "platform/figuras/qt/figuras.h"
#include "platform/nucleo/escolha_backend.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSystemTrayIcon>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace plataforma;

class BandejaQtTeste : public ::testing::Test {
protected:
    BandejaQtTeste() {
        DefineBackend<Bandeja>(nullptr);
        QPixmap vermelho(16, 16), azul(16, 16);
        vermelho.fill(Qt::red);
        azul.fill(Qt::blue);
        iconeVermelho = RegistraFigura(vermelho);
        iconeAzul = RegistraFigura(azul);
    }
    ~BandejaQtTeste() override {
        DefineBackend<Bandeja>(nullptr);
        DefineReceptorBandeja(7, nullptr);
        Assenta();
    }

    static NOTIFYICONDATAA Dados(std::uint32_t hWnd, std::uint32_t uID, std::uint32_t uFlags,
                                 std::uint32_t hIcon, const std::string& tip = "") {
        NOTIFYICONDATAA d{};
        d.cbSize = sizeof d;
        d.hWnd = hWnd;
        d.uID = uID;
        d.uFlags = uFlags;
        d.uCallbackMessage = WM_MOUSEMOVE;
        d.hIcon = hIcon;
        std::memset(d.szTip, ' ', sizeof d.szTip);
        std::memcpy(d.szTip, tip.data(), std::min(tip.size(), sizeof d.szTip));
        return d;
    }

    // Runs the deferred deletions and the posted notifications.
    static void Assenta() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    static std::vector<QSystemTrayIcon*> Icones() {
        Assenta();
        std::vector<QSystemTrayIcon*> icones;
        for (auto* icone : QCoreApplication::instance()->findChildren<QSystemTrayIcon*>())
            if (icone->objectName().startsWith(QStringLiteral("bandeja-")))
                icones.push_back(icone);
        return icones;
    }

    static QRgb Cor(const QSystemTrayIcon* icone) {
        return icone->icon().pixmap(16, 16).toImage().pixel(8, 8);
    }

    std::uint32_t iconeVermelho = 0, iconeAzul = 0;
};

// The tip is szTip up to its NUL, never beyond the field, in Windows-1252; a change sets only the
// fields uFlags names.
TEST_F(BandejaQtTeste, AdicionaEAlteraSoOsCamposNomeados) {
    const struct {
        std::string bytes, dica;
    } casos[] = {
        {std::string("e-Telvanor 3.1") + '\0' + "   ", "e-Telvanor 3.1"},
        {std::string(64, 'x'), std::string(64, 'x')},
        {std::string("Conex\xE3o") + '\0' + "lixo", "Conexão"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.dica);
        const auto d = Dados(7, 1, NIF_MESSAGE | NIF_ICON | NIF_TIP, iconeVermelho, c.bytes);
        ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &d));
        ASSERT_EQ(Icones().size(), 1u);
        EXPECT_TRUE(Icones()[0]->isVisible());
        EXPECT_EQ(Icones()[0]->toolTip().toStdString(), c.dica);
        EXPECT_EQ(Cor(Icones()[0]), qRgb(255, 0, 0));

        auto altera = Dados(7, 1, NIF_ICON, iconeAzul, std::string("B") + '\0');
        ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &altera));
        EXPECT_EQ(Cor(Icones()[0]), qRgb(0, 0, 255));
        EXPECT_EQ(Icones()[0]->toolTip().toStdString(), c.dica);
        altera = Dados(7, 1, NIF_TIP, iconeVermelho, std::string("C") + '\0');
        ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &altera));
        EXPECT_EQ(Cor(Icones()[0]), qRgb(0, 0, 255));
        EXPECT_EQ(Icones()[0]->toolTip(), QStringLiteral("C"));
        ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &d));
    }
    EXPECT_TRUE(Icones().empty());
}

TEST_F(BandejaQtTeste, UmIconePorJanelaEIdentificador) {
    const auto a = Dados(7, 1, NIF_ICON, iconeVermelho);
    const auto b = Dados(7, 2, NIF_ICON, iconeAzul);
    const auto c = Dados(8, 1, NIF_ICON, iconeAzul);
    // Changes and removals of an absent icon fail and create nothing.
    for (const auto m : {NIM_MODIFY, NIM_DELETE, 5u})
        EXPECT_FALSE(Shell_NotifyIconA(m, &a)) << m;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, nullptr));
    EXPECT_TRUE(Icones().empty());

    EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &a));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &a));
    EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &b));
    EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &c));
    EXPECT_EQ(Icones().size(), 3u);

    EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &b));
    EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &a));
    EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &a));
    EXPECT_EQ(Icones().size(), 2u);
}

// Clicks are posted, not sent, and a receiver may remove its own icon.
TEST_F(BandejaQtTeste, CliquesChegamComoMensagensDoMouseDepoisDoEvento) {
    std::vector<std::uint32_t> recebidas;
    const auto d = Dados(7, 1, NIF_MESSAGE | NIF_ICON, iconeVermelho);
    DefineReceptorBandeja(7, [&](std::uint32_t m) {
        recebidas.push_back(m);
        if (recebidas.size() == 3)
            Shell_NotifyIconA(NIM_DELETE, &d);
    });
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &d));
    QSystemTrayIcon* icone = Icones().at(0);

    emit icone->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(recebidas.empty());
    emit icone->activated(QSystemTrayIcon::Context);
    emit icone->activated(QSystemTrayIcon::Trigger);
    emit icone->activated(QSystemTrayIcon::DoubleClick);
    Assenta();

    EXPECT_EQ(recebidas,
              (std::vector<std::uint32_t>{WM_LBUTTONDBLCLK, WM_RBUTTONUP, 0x202, WM_LBUTTONDBLCLK}));
    EXPECT_TRUE(Icones().empty());
}

// A StatusNotifier tray reports its one activation as a trigger, never as a double-click; the other
// reasons read alike on both kinds of tray (the clicks above check the messages on the other kind).
TEST(MensagemMouseDaAtivacao, OGatilhoDoStatusNotifierEODuploClique) {
    EXPECT_EQ(MensagemMouseDaAtivacao(QSystemTrayIcon::Trigger, true), WM_LBUTTONDBLCLK);
    for (const auto motivo :
         {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick})
        EXPECT_EQ(MensagemMouseDaAtivacao(motivo, true), MensagemMouseDaAtivacao(motivo, false)) << motivo;
}

} // namespace
