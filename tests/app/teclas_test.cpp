// The function keys of the main window, as key-up events reaching the window.
#include "app/janela_em_linha.h"
#include "platform/qt/mensagens.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

using namespace quelza;

class Teclas : public JanelaEmLinha {
protected:
    Teclas() {
        janela.show();
        interface->aoMostrarModal = [this](QDialog& d) {
            abas.push_back(d.findChild<QTabWidget*>()->currentIndex());
            return 0;
        };
    }
    ~Teclas() override {
        janela.mnuBandeja.hide();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &janela && w->inherits("QTextBrowser"))
                w->close();
    }

    void Solta(int tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier) {
        QKeyEvent evento(QEvent::KeyRelease, tecla, modificadores);
        QCoreApplication::sendEvent(&janela, &evento);
    }

    bool AjudaAberta() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->inherits("QTextBrowser"))
                return true;
        return false;
    }

    std::vector<int> abas;
};

TEST_F(Teclas, CadaTeclaDeFuncao) {
    DefineCaption(janela.lblAcesso, "");
    Solta(Qt::Key_F2);
    ASSERT_EQ(interface->mensagens.size(), 1u);
    EXPECT_EQ(interface->mensagens[0].texto, "Selecione o Provedor de Acesso") << "F2 connects";

    Solta(Qt::Key_F4);
    EXPECT_TRUE(RediscarLigado) << "F4 toggles redial";
    Solta(Qt::Key_F4, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(RediscarLigado) << "F4 with more than Alt still toggles redial";
    Solta(Qt::Key_F4);
    Solta(Qt::Key_F3);
    EXPECT_FALSE(RediscarLigado) << "F3 disconnects";
    EXPECT_TRUE(janela.img[7]->isEnabled());

    Solta(Qt::Key_F5);
    Solta(Qt::Key_F12);
    EXPECT_EQ(abas, (std::vector<int>{0, 5}));

    interface->mensagens.clear();
    Solta(Qt::Key_F8);
    ASSERT_EQ(interface->mensagens.size(), 1u);
    EXPECT_EQ(interface->mensagens[0].texto, "aqui'");
    EXPECT_EQ(interface->mensagens[0].estilo, plataforma::vbOKOnly);

    Solta(Qt::Key_F1);
    EXPECT_TRUE(AjudaAberta());

    Solta(Qt::Key_F10);
    EXPECT_TRUE(janela.mnuBandeja.isVisible());
    EXPECT_EQ(janela.mnuBandeja.defaultAction(), janela.itmRestaurar);
    janela.mnuBandeja.hide();

    Solta(Qt::Key_F11);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_TRUE(bandeja->Presente(janela.hWnd(), 1));
    EXPECT_EQ(instancia->encerramentos, 0);
}

TEST_F(Teclas, AltF4EAAcaoDeSaida) {
    Solta(Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(RediscarLigado);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(instancia->encerramentos, 1);
}

TEST_F(Teclas, F10NaoMudaRestaurar) {
    for (const bool habilitado : {true, false}) {
        janela.itmRestaurar->setEnabled(habilitado);
        Solta(Qt::Key_F10);
        EXPECT_EQ(janela.itmRestaurar->isEnabled(), habilitado);
        janela.mnuBandeja.hide();
    }
}

TEST_F(Teclas, OutrasTeclasNadaFazem) {
    for (const int tecla : {Qt::Key_F6, Qt::Key_F7, Qt::Key_F9, Qt::Key_A, Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(tecla);
        Solta(tecla);
        Solta(tecla, Qt::AltModifier);
    }
    EXPECT_TRUE(interface->mensagens.empty());
    EXPECT_EQ(interface->modais, 0);
    EXPECT_FALSE(RediscarLigado);
    EXPECT_TRUE(janela.isVisible());
    EXPECT_FALSE(janela.mnuBandeja.isVisible());
    EXPECT_FALSE(AjudaAberta());
    EXPECT_TRUE(shell->aberturas.empty());
}

} // namespace
