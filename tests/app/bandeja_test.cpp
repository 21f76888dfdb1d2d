// The tray icon: the record each operation leaves, the icon's life across trips to the tray, and
// what the icon's mouse messages do to the main window.
#include "app/bandeja.h"
#include "app/frm_telvanor01.h"
#include "platform/bandeja/qt/bandeja.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

using plataforma::NIM_ADD;
using plataforma::NIM_DELETE;
using plataforma::NIM_MODIFY;
using plataforma::NOTIFYICONDATAA;

class Bandeja : public AmbienteTeste {
protected:
    void Opera(std::string operação, const Figura& figura, const Figura& figuraNova) {
        quelza::ÍconeBandeja(operação, figura, figuraNova);
    }
    // To the tray as the program sends it there: the icon added, the window hidden.
    void ParaBandeja() {
        Opera("ADICIONA", janela.Picture1, janela.Picture1);
        janela.hide();
    }
    std::size_t Icones() const { return bandeja->icones.size(); }

    frmTelvanor01 janela;
};

// Each operation, in any case, starts from a record full of leftovers and must rewrite exactly its
// own fields; a change lets the events run once between its two calls.
TEST_F(Bandeja, CadaOperacaoReescreveSoOsSeusCampos) {
    const std::string tipNovo = std::string("e-Telvanor 3.1") + '\0' + std::string(49, ' ');
    const std::string tipVelho(64, '\xAB');
    const std::uint32_t velho = 0xABABABAB;
    struct Caso {
        const char *operação, *maiuscula;
        std::uint32_t uFlags, uCallbackMessage, hIcon;
        std::string szTip;
        std::vector<std::uint32_t> mensagens;
    };
    const Caso casos[] = {
        {"adiciona", "ADICIONA", 7, 512, janela.Picture1.Handle, tipNovo, {NIM_ADD}},
        {"Deleta", "DELETA", velho, velho, velho, tipVelho, {NIM_DELETE}},
        {"ALTERA", "ALTERA", 2, velho, janela.Picture2.Handle, tipVelho, {NIM_MODIFY, NIM_MODIFY}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.operação);
        std::memset(&quelza::DadosÍcone, 0xAB, sizeof quelza::DadosÍcone);
        bandeja->chamadas.clear();
        eventos->bombeamentos = 0;
        std::size_t chamadasNoBombeamento = 99;
        eventos->aoBombear = [&] { chamadasNoBombeamento = bandeja->chamadas.size(); };
        std::string operação = c.operação;

        quelza::ÍconeBandeja(operação, janela.Picture1, janela.Picture2);

        EXPECT_EQ(operação, c.maiuscula) << "upper-cased in place";
        const NOTIFYICONDATAA& d = quelza::DadosÍcone;
        EXPECT_EQ(d.cbSize, 88u);
        EXPECT_EQ(d.hWnd, janela.hWnd());
        EXPECT_EQ(d.uID, 1u);
        EXPECT_EQ(d.uFlags, c.uFlags);
        EXPECT_EQ(d.uCallbackMessage, c.uCallbackMessage);
        EXPECT_EQ(d.hIcon, c.hIcon);
        EXPECT_EQ(std::string(d.szTip, sizeof d.szTip), c.szTip);
        ASSERT_EQ(bandeja->chamadas.size(), c.mensagens.size());
        for (std::size_t i = 0; i < c.mensagens.size(); ++i) {
            EXPECT_EQ(bandeja->chamadas[i].mensagem, c.mensagens[i]);
            EXPECT_EQ(std::memcmp(&bandeja->chamadas[i].dados, &d, sizeof d), 0) << "call " << i;
        }
        const bool altera = c.mensagens.size() == 2;
        EXPECT_EQ(eventos->bombeamentos, altera ? 1 : 0);
        if (altera) {
            EXPECT_EQ(chamadasNoBombeamento, 1u);
        }
    }
}

TEST_F(Bandeja, OutrasPalavrasNadaFazem) {
    for (const char* dada : {"", "remove", "adicionar", " deleta", "altera\n"}) {
        SCOPED_TRACE(dada);
        std::memset(&quelza::DadosÍcone, 0xAB, sizeof quelza::DadosÍcone);
        const NOTIFYICONDATAA antes = quelza::DadosÍcone;
        Opera(dada, janela.Picture1, janela.Picture2);
        EXPECT_TRUE(bandeja->chamadas.empty());
        EXPECT_EQ(std::memcmp(&quelza::DadosÍcone, &antes, sizeof antes), 0);
    }
    // Upper-cased by Unicode, not only ASCII.
    std::string acentuada = "ícone";
    quelza::ÍconeBandeja(acentuada, janela.Picture1, janela.Picture2);
    EXPECT_EQ(acentuada, "ÍCONE");
    EXPECT_TRUE(bandeja->chamadas.empty());
}

TEST_F(Bandeja, IdasEVoltasDeixamNoMaximoUmIcone) {
    janela.show();
    for (int volta = 0; volta < 3; ++volta) {
        SCOPED_TRACE(volta);
        ParaBandeja();
        EXPECT_EQ(Icones(), 1u);
        if (volta % 2 == 0)
            bandeja->Clica(janela.hWnd(), 1, plataforma::WM_LBUTTONDBLCLK);
        else
            janela.itmRestaurar_Click();
        EXPECT_EQ(Icones(), 0u);
        EXPECT_TRUE(janela.isVisible());
    }
    janela.itmRestaurar_Click(); // a restore with no icon present
    EXPECT_EQ(Icones(), 0u);
}

// The double-click is covered by the round trips above.
TEST_F(Bandeja, BotaoDireitoAbreOMenuOutrosCliquesNada) {
    for (const std::uint32_t mensagem : {plataforma::WM_RBUTTONUP, plataforma::WM_RBUTTONDOWN, 0x202u}) {
        SCOPED_TRACE(mensagem);
        ParaBandeja();
        janela.itmRestaurar->setEnabled(false);

        bandeja->Clica(janela.hWnd(), 1, mensagem);

        const bool menu = mensagem == plataforma::WM_RBUTTONUP;
        EXPECT_FALSE(janela.isVisible());
        EXPECT_EQ(Icones(), 1u);
        EXPECT_EQ(janela.MenuBandeja().isVisible(), menu);
        EXPECT_EQ(janela.itmRestaurar->isEnabled(), menu);
        if (menu) {
            EXPECT_EQ(janela.MenuBandeja().defaultAction(), janela.itmRestaurar);
        }
        janela.MenuBandeja().hide();
        Opera("deleta", janela.Picture1, janela.Picture1);
    }
}

// With no tray host a hidden window could never come back: every way to the tray minimizes instead.
TEST_F(Bandeja, SemBandejaNoDesktopAJanelaEMinimizada) {
    const struct {
        bool disponivel;
        bool escondida, minimizada;
        std::size_t icones;
    } casos[] = {{true, true, false, 1}, {false, false, true, 0}};
    const std::pair<const char*, std::function<void()>> caminhos[] = {
        {"to-tray button", [&] { janela.img_Click(3); }},
        {"F11", [&] { janela.Form_KeyUp(Qt::Key_F11, Qt::NoModifier); }},
    };
    for (const auto& c : casos) {
        for (const auto& [caminho, vai] : caminhos) {
            SCOPED_TRACE(std::string(caminho) + (c.disponivel ? " with a tray" : " without a tray"));
            bandeja->disponivel = c.disponivel;
            janela.showNormal();
            vai();
            EXPECT_EQ(janela.isHidden(), c.escondida);
            EXPECT_EQ(janela.isMinimized(), c.minimizada);
            EXPECT_EQ(Icones(), c.icones);
            janela.TrazParaFrente();
            EXPECT_TRUE(janela.isVisible());
            EXPECT_FALSE(janela.isMinimized());
            EXPECT_EQ(Icones(), 0u) << "back as Restaurar brings it: no icon left";
        }
    }
}

} // namespace
