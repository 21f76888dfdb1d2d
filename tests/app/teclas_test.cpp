// The function keys of the main window, as key-up events reaching the window.
#include "app/janela_em_linha.h"
#include "dialogs/frm_telvanor09.h"
#include "platform/interface/qt/mensagens.h"
#include "settings/configuracao.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace quelza;

class Teclas : public JanelaEmLinha {
protected:
    Teclas() {
        janela.show();
        DefineCaption(janela.lblAcesso, "");
        interface->aoMostrarModal = [this](QDialog& d) {
            abas.push_back(static_cast<frmTelvanor09&>(d).SSTab1->currentIndex());
            return 0;
        };
    }
    ~Teclas() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTextBrowser"))
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
    std::string Mensagem() const { return interface->mensagens.empty() ? "" : interface->mensagens[0].texto; }

    std::vector<int> abas;
};

TEST_F(Teclas, CadaTecla) {
    struct Caso {
        int tecla;
        Qt::KeyboardModifiers modificadores;
        std::function<bool()> fez;
        bool restaurar = true; // F10 leaves "Restaurar" as it finds it
    };
    const auto menu = [&](bool restaurar) {
        return [&, restaurar] {
            return janela.MenuBandeja().isVisible() &&
                   janela.MenuBandeja().defaultAction() == janela.itmRestaurar &&
                   janela.itmRestaurar->isEnabled() == restaurar;
        };
    };
    std::vector<Caso> casos = {
        {Qt::Key_F1, {}, [&] { return AjudaAberta(); }},
        {Qt::Key_F2, {}, [&] { return Mensagem() == "Selecione o Provedor de Acesso"; }},
        {Qt::Key_F3, {}, [&] { return LeIni(ArquivoConfig(), "Config", "Rediscar") == "False"; }},
        {Qt::Key_F4, {}, [&] { return RediscarLigado; }},
        {Qt::Key_F4, Qt::AltModifier | Qt::ControlModifier, [&] { return RediscarLigado; }},
        {Qt::Key_F4, Qt::AltModifier, [&] { return instancia->encerramentos == 1 && !janela.isVisible(); }},
        {Qt::Key_F5, {}, [&] { return abas == std::vector<int>{0}; }},
        {Qt::Key_F8, {}, [&] { return Mensagem() == "aqui'" && interface->mensagens[0].estilo == 0; }},
        {Qt::Key_F10, {}, menu(true)},
        {Qt::Key_F10, {}, menu(false), false},
        {Qt::Key_F12, {}, [&] { return abas == std::vector<int>{5}; }},
    };
    const auto nada = [&] {
        return interface->mensagens.empty() && abas.empty() && !RediscarLigado && janela.isVisible() &&
               !janela.MenuBandeja().isVisible() && !AjudaAberta();
    };
    for (const int tecla : {Qt::Key_F6, Qt::Key_F7, Qt::Key_F9, Qt::Key_A, Qt::Key_Escape})
        for (const Qt::KeyboardModifiers m :
             {Qt::KeyboardModifiers{}, Qt::KeyboardModifiers{Qt::AltModifier}})
            casos.insert(casos.begin(), {tecla, m, nada}); // before F1 opens the help
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.tecla << " " << c.modificadores.toInt());
        RediscarLigado = false;
        janela.img[51]->DefinePicture(janela.imgX[51]);
        interface->mensagens.clear();
        abas.clear();
        janela.itmRestaurar->setEnabled(c.restaurar);
        Solta(c.tecla, c.modificadores);
        EXPECT_TRUE(c.fez());
        janela.MenuBandeja().hide();
        janela.show();
    }
}

} // namespace
