// The tray icon: the record each operation leaves, the icon's life across trips to the tray, and
// what the icon's mouse messages do to the main window.
#include "app/bandeja.h"
#include "app/frm_telvanor01.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using plataforma::NOTIFYICONDATAA;

std::string Tip(const NOTIFYICONDATAA& dados) { return std::string(dados.szTip, sizeof dados.szTip); }

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
    void Clica(std::uint32_t mensagemMouse) { bandeja->Clica(janela.hWnd(), 1, mensagemMouse); }

    frmTelvanor01 janela;
};

// Each operation starts from a record full of leftovers and must rewrite exactly its own fields.
TEST_F(Bandeja, CadaOperacaoReescreveSoOsSeusCampos) {
    const std::string tipNovo = std::string("e-Telvanor 3.1") + '\0' + std::string(49, ' ');
    const std::string tipVelho(64, '\xAB');
    const std::uint32_t velho = 0xABABABAB;
    struct Caso {
        const char* operação;
        std::uint32_t uFlags, uCallbackMessage, hIcon;
        std::string szTip;
        std::vector<std::uint32_t> mensagens;
    };
    const Caso casos[] = {
        {"ADICIONA", 7, 512, janela.Picture1.Handle, tipNovo, {plataforma::NIM_ADD}},
        {"DELETA", velho, velho, velho, tipVelho, {plataforma::NIM_DELETE}},
        {"ALTERA",
         2,
         velho,
         janela.Picture2.Handle,
         tipVelho,
         {plataforma::NIM_MODIFY, plataforma::NIM_MODIFY}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.operação);
        std::memset(&quelza::DadosÍcone, 0xAB, sizeof quelza::DadosÍcone);
        bandeja->chamadas.clear();

        Opera(c.operação, janela.Picture1, janela.Picture2);

        const NOTIFYICONDATAA& d = quelza::DadosÍcone;
        EXPECT_EQ(d.cbSize, 88u);
        EXPECT_EQ(d.hWnd, janela.hWnd());
        EXPECT_EQ(d.uID, 1u);
        EXPECT_EQ(d.uFlags, c.uFlags);
        EXPECT_EQ(d.uCallbackMessage, c.uCallbackMessage);
        EXPECT_EQ(d.hIcon, c.hIcon);
        EXPECT_EQ(Tip(d), c.szTip);
        ASSERT_EQ(bandeja->chamadas.size(), c.mensagens.size());
        for (std::size_t i = 0; i < c.mensagens.size(); ++i) {
            EXPECT_EQ(bandeja->chamadas[i].mensagem, c.mensagens[i]);
            EXPECT_EQ(std::memcmp(&bandeja->chamadas[i].dados, &d, sizeof d), 0) << "call " << i;
        }
    }
}

TEST_F(Bandeja, AlteraDeixaOsEventosCorreremUmaVezEntreAsDuasChamadas) {
    ParaBandeja();
    bandeja->chamadas.clear();
    std::size_t chamadasNoBombeamento = 99;
    eventos->aoBombear = [&] { chamadasNoBombeamento = bandeja->chamadas.size(); };

    Opera("altera", janela.Picture1, janela.Picture2);

    EXPECT_EQ(eventos->bombeamentos, 1);
    EXPECT_EQ(chamadasNoBombeamento, 1u);
    EXPECT_EQ(bandeja->chamadas.size(), 2u);
    EXPECT_EQ(bandeja->icones.begin()->second.hIcon, janela.Picture2.Handle);
}

// The text is upper-cased in place; only the three words, in any case, reach the platform.
TEST_F(Bandeja, OperacaoEmQualquerCaixaOutrasPalavrasNada) {
    const struct {
        const char* dada;
        const char* maiuscula;
        std::vector<std::uint32_t> chamadas;
    } casos[] = {
        {"adiciona", "ADICIONA", {plataforma::NIM_ADD}},
        {"Altera", "ALTERA", {plataforma::NIM_MODIFY, plataforma::NIM_MODIFY}},
        {"deleta", "DELETA", {plataforma::NIM_DELETE}},
        {"", "", {}},
        {"remove", "REMOVE", {}},
        {"adicionar", "ADICIONAR", {}},
        {" deleta", " DELETA", {}},
        {"altera\n", "ALTERA\n", {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.dada);
        std::memset(&quelza::DadosÍcone, 0xAB, sizeof quelza::DadosÍcone);
        const NOTIFYICONDATAA antes = quelza::DadosÍcone;
        bandeja->chamadas.clear();
        std::string operação = c.dada;

        quelza::ÍconeBandeja(operação, janela.Picture1, janela.Picture2);

        EXPECT_EQ(operação, c.maiuscula);
        std::vector<std::uint32_t> feitas;
        for (const auto& chamada : bandeja->chamadas)
            feitas.push_back(chamada.mensagem);
        EXPECT_EQ(feitas, c.chamadas);
        if (c.chamadas.empty()) {
            EXPECT_EQ(std::memcmp(&quelza::DadosÍcone, &antes, sizeof antes), 0);
        }
    }
}

TEST_F(Bandeja, IdasEVoltasDeixamNoMaximoUmIcone) {
    janela.show();
    for (int volta = 0; volta < 3; ++volta) {
        SCOPED_TRACE(volta);
        ParaBandeja();
        EXPECT_EQ(Icones(), 1u);
        EXPECT_FALSE(janela.isVisible());
        if (volta % 2 == 0)
            Clica(plataforma::WM_LBUTTONDBLCLK);
        else
            janela.itmRestaurar_Click();
        EXPECT_EQ(Icones(), 0u);
        EXPECT_TRUE(janela.isVisible());
    }
    // A restore with no icon present (the double-click and the menu both reaching the window).
    janela.itmRestaurar_Click();
    EXPECT_EQ(Icones(), 0u);
}

TEST_F(Bandeja, TrocasDeIconeForaDaBandejaNaoCriamIcone) {
    janela.show();
    for (int tique = 0; tique < 4; ++tique)
        Opera("altera", janela.Picture1, tique % 2 ? janela.Picture1 : janela.Picture2);
    EXPECT_EQ(Icones(), 0u);

    ParaBandeja();
    Opera("altera", janela.Picture1, janela.Picture2);
    EXPECT_EQ(bandeja->icones.begin()->second.hIcon, janela.Picture2.Handle);
    janela.itmRestaurar_Click();
    Opera("altera", janela.Picture1, janela.Picture1);
    EXPECT_EQ(Icones(), 0u);
}

TEST_F(Bandeja, DuploCliqueRestauraBotaoDireitoAbreOMenuOutrosNada) {
    struct Caso {
        std::uint32_t mensagem;
        bool janelaVisivel, iconeFica, menuAberto;
    };
    const Caso casos[] = {
        {plataforma::WM_LBUTTONDBLCLK, true, false, false},
        {plataforma::WM_RBUTTONUP, false, true, true},
        {plataforma::WM_RBUTTONDOWN, false, true, false},
        {plataforma::WM_MOUSEMOVE, false, true, false},
        {0x202, false, true, false},
        {0, false, true, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mensagem);
        ParaBandeja();
        janela.itmRestaurar->setEnabled(false);

        Clica(c.mensagem);

        EXPECT_EQ(janela.isVisible(), c.janelaVisivel);
        EXPECT_EQ(Icones(), c.iconeFica ? 1u : 0u);
        EXPECT_EQ(janela.mnuBandeja.isVisible(), c.menuAberto);
        if (c.menuAberto) {
            EXPECT_TRUE(janela.itmRestaurar->isEnabled());
            EXPECT_EQ(janela.mnuBandeja.defaultAction(), janela.itmRestaurar);
            EXPECT_TRUE(janela.itmRestaurar->font().bold());
        }
        janela.mnuBandeja.hide();
        Opera("deleta", janela.Picture1, janela.Picture1);
        janela.hide();
    }
}

} // namespace
