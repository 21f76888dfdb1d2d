// Provider presets and the phonebook buttons of the access tab: the menu, the shell call with the
// preset's name and the system folder, the first-start marker, the failure text, the refresh; and a
// preset opened by the desktop shell, whose line tool adds the entry the refresh then lists.
#include "dialogs/frm_telvanor09.h"
#include "dialup/predefinicoes.h"
#include "platform/arquivos/pastas.h"
#include "platform/discagem/simulada/catalogo_simulado.h"
#include "platform/nucleo/escolha_backend.h"
#include "platform/registro/registro_api.h"
#include "platform/shell/qt/shell.h"
#include "settings/configuracao.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/colmeia_lida.h"

#include <QFile>
#include <QThread>

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace quelza;

class Predefinicoes : public AmbienteTeste {
protected:
    Predefinicoes() { DiretórioSistema = pastas.Programa() + "/sistema"; }

    std::string Catalogo() const { return pastas.Usuario() + "/catalogo.ini"; }

    std::vector<std::string> Entradas(const frmTelvanor09& d) const {
        std::vector<std::string> nomes;
        for (int i = 0; i < d.cmbAcesso->count(); ++i)
            nomes.push_back(d.cmbAcesso->itemText(i).toStdString());
        return nomes;
    }
};

TEST_F(Predefinicoes, CadaItemAbreSeuArquivoNaPastaDoSistema) {
    frmTelvanor09 d;
    for (QAction* item : {d.itmOTR, d.itmONTR, d.itmLTR, d.itmLNTR, d.itmTTR, d.itmTNTR}) {
        GravaIni(ArquivoConfig(), "Config", "Primeira Vez", "0");
        item->trigger();
        EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Primeira Vez"), "1") << item->text().toStdString();
    }
    EXPECT_EQ(shell->Abertos(),
              (std::vector<std::string>{"1.ins", "2.ins", "3.ins", "4.ins", "5.ins", "6.ins"}));
    for (const ShellRegistrado::Abertura& abertura : shell->aberturas) {
        EXPECT_EQ(abertura.operacao, "Open");
        EXPECT_EQ(abertura.parametros, "");
        EXPECT_EQ(abertura.pasta, DiretórioSistema);
        EXPECT_EQ(abertura.mostrar, plataforma::SW_SHOWNORMAL);
    }
    EXPECT_TRUE(interface->mensagens.empty());

    shell->aberturas.clear();
    d.imgCriaDialUp_Click();
    EXPECT_TRUE(d.mnu->isVisible());
    EXPECT_EQ(d.mnu->defaultAction(), d.itmCancelar);
    d.itmCancelar->trigger();
    EXPECT_TRUE(shell->aberturas.empty());
}

TEST_F(Predefinicoes, FalhaDoShellMostraOErroDepoisDeMarcarPrimeiraVez) {
    for (const std::intptr_t resposta : {std::intptr_t{2}, std::intptr_t{32}}) {
        shell->respostaAbre = resposta;
        interface->mensagens.clear();
        GravaIni(ArquivoConfig(), "Config", "Primeira Vez", "0");
        CriaAcessoDialUp("3.ins", DiretórioSistema);
        EXPECT_EQ(interface->mensagens, (Caixas{{"Ocorreu um erro na criação do Acesso a Rede Dial-Up",
                                                 plataforma::vbOKOnly, TituloAplicacao}}));
        EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Primeira Vez"), "1");
    }
}

TEST_F(Predefinicoes, AtualizarRelistaMostraOConfiguradoEDesligaADiscagemAutomatica) {
    AcessoDialUp = "Não Listado";
    frmTelvanor09 d;
    plataforma::EntradaCatalogo nova;
    nova.nome = "Nova";
    ASSERT_TRUE(plataforma::GravaEntradaCatalogo(Catalogo(), nova));
    d.imgAtualizar_Click();
    EXPECT_EQ(Entradas(d), (std::vector<std::string>{"Provedor Simulado", "Nova"}));
    EXPECT_EQ(d.cmbAcesso->currentText().toStdString(), "Não Listado");
    const auto autodial = LeValorRegistro(
        "HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
        "EnableAutodial");
    ASSERT_TRUE(autodial);
    EXPECT_EQ(autodial->tipo, plataforma::REG_BINARY);
    EXPECT_EQ(autodial->dados, std::string(4, '\0'));

    // An empty phonebook leaves only the configured name, as the text.
    GravaArquivo(Catalogo(), "; vazio\r\n");
    d.imgAtualizar_Click();
    EXPECT_TRUE(Entradas(d).empty());
    EXPECT_EQ(d.cmbAcesso->currentText().toStdString(), "Não Listado");
}

// The shipped preset, opened by the desktop shell: the line tool runs as its own process and the
// entry shows up in the phonebook some time after the call has returned.
TEST_F(Predefinicoes, PredefinicaoEntregueCriaAEntradaPelaFerramentaDaLinha) {
    plataforma::DefineBackend<plataforma::Shell>(nullptr);
    const std::string ferramenta = pastas.Programa() + "/e-telvanor-linha";
    std::filesystem::copy_file(FERRAMENTA_LINHA, ferramenta);
    std::filesystem::copy_file(std::string(PREDEFINICOES) + "/2.ins", DiretórioSistema + "/2.ins");

    frmTelvanor09 d;
    d.itmONTR->trigger();
    EXPECT_TRUE(interface->mensagens.empty());
    bool criada = false;
    for (int tentativa = 0; tentativa < 600 && !criada; ++tentativa) {
        criada = plataforma::EntradaDoCatalogo(Catalogo(), "Orvalia - Outras Cidades").has_value();
        if (!criada)
            QThread::msleep(50);
    }
    ASSERT_TRUE(criada);
    EXPECT_EQ(plataforma::EntradaDoCatalogo(Catalogo(), "Orvalia - Outras Cidades")->telefone,
              "0300 555-0102");
    d.imgAtualizar_Click();
    EXPECT_EQ(Entradas(d), (std::vector<std::string>{"Provedor Simulado", "Orvalia - Outras Cidades"}));

    // A preset missing from the system folder is the shell's failure.
    d.itmOTR->trigger();
    ASSERT_EQ(interface->mensagens.size(), 1u);
    EXPECT_EQ(interface->mensagens[0].texto, ErroCriaAcesso);
}

} // namespace
