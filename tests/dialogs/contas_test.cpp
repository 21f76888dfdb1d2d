// The account list of the e-mail tab and the account dialog: saving with its checks (a character
// without a single-byte code refused), the overwrite question, adding, replacing, removing and
// editing, each seen in memory, in the list and in the store.
#include "dialogs/frm_telvanor09.h"
#include "mail/frm_telvanor08.h"
#include "platform/interface/qt/mensagens.h"
#include "platform/registro/configuracoes_usuario.h"
#include "settings/configuracao.h"
#include "settings/contas_email.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace quelza;

struct Digitado {
    const char* titulo;
    const char* servidor;
    const char* usuario;
    const char* senha;
};

class Contas : public AmbienteTeste {
protected:
    Contas() { dialogo.SSTab1->setCurrentIndex(frmTelvanor09::AbaEmail); }

    // "Adicionar", the boxes typed, "&Adcionar" pressed; the account dialog as it was left.
    void Adiciona(const Digitado& d) {
        interface->aoMostrarModal = [this, d](QDialog& janela) {
            auto& conta = static_cast<frmTelvanor08&>(janela);
            conta.show();
            EXPECT_TRUE(conta.txtNomeDaConta->text().isEmpty());
            Digita(conta, d);
            return conta.result();
        };
        dialogo.Command1_Click();
    }

    void Digita(frmTelvanor08& conta, const Digitado& d) {
        conta.txtNomeDaConta->setText(QString::fromUtf8(d.titulo));
        conta.txtPop3->setText(QString::fromUtf8(d.servidor));
        conta.txtUsuário->setText(QString::fromUtf8(d.usuario));
        conta.txtSenha->setText(QString::fromUtf8(d.senha));
        conta.Command1_Click();
        const QWidget* caixas[] = {conta.txtNomeDaConta, conta.txtPop3, conta.txtUsuário, conta.txtSenha};
        caixaComFoco = static_cast<int>(std::find(std::begin(caixas), std::end(caixas), conta.focusWidget()) -
                                        std::begin(caixas));
        aberta = conta.isVisible();
        conta.hide();
    }

    std::vector<std::string> Linhas() const {
        std::vector<std::string> linhas;
        for (int i = 0; i < dialogo.List1->count(); ++i)
            linhas.push_back(dialogo.List1->item(i)->text().toStdString());
        return linhas;
    }

    std::vector<std::string> Guardadas() const {
        std::vector<std::string> nomes;
        for (const auto& [nome, valor] : plataforma::GetAllSettings(AplicacaoConfiguracoes, "Email"))
            nomes.push_back(nome);
        return nomes;
    }

    void Seleciona(int linha) {
        dialogo.List1->setCurrentRow(linha);
        dialogo.List1->item(linha)->setSelected(true);
    }

    frmTelvanor09 dialogo;
    int caixaComFoco = -1; // 0 title, 1 server, 2 user, 3 password; 4 none
    bool aberta = false;
};

using Textos = std::vector<std::string>;

TEST_F(Contas, PrimeiraESegundaContaNaOrdemEAparadas) {
    Adiciona({"  Casa ", "pop.casa.example", "joao", " s e n ha  "});
    EXPECT_TRUE(TemContasEmail);
    EXPECT_EQ(Linhas(), Textos({"Casa / joao / pop.casa.example"}));
    EXPECT_EQ(Guardadas(), Textos({"Casa"}));
    EXPECT_EQ(ContasEmail[0].Senha, "s e n ha");

    Adiciona({"Trabalho", "pop.trabalho.example", "ana", "x"});
    EXPECT_EQ(Linhas(), Textos({"Casa / joao / pop.casa.example", "Trabalho / ana / pop.trabalho.example"}));
    CarregaContasEmail(AplicacaoConfiguracoes, "Email");
    ASSERT_EQ(ContasEmail.size(), 2u);
    EXPECT_EQ(ContasEmail[0], (ContaEmail{"Casa", "pop.casa.example", "joao", "s e n ha"}));
    EXPECT_EQ(ContasEmail[1], (ContaEmail{"Trabalho", "pop.trabalho.example", "ana", "x"}));
}

// An empty box takes the focus with no message; a character without a single-byte code is named in a
// message. Either way the dialog stays open and nothing is stored.
TEST_F(Contas, ContaRecusadaFicaAbertaENadaEGuardado) {
    const struct {
        Digitado d;
        int vazia;         // the box that takes the focus, for an empty one
        const char* campo; // the field the message names, for a character without a code
    } casos[] = {
        {{" ", "s", "u", "p"}, 0, nullptr},
        {{"t", "", "", ""}, 1, nullptr},
        {{"t", "s", "  ", ""}, 2, nullptr},
        {{"t", "s", "u", "   "}, 3, nullptr},
        {{"Casa Ł", "pop.casa", "ana", "senha"}, -1, "Nome"},
        {{"Casa", "pop.日本", "ana", "senha"}, -1, "Servidor Pop3"},
        {{"Casa", "pop.casa", "anał", "senha"}, -1, "Usuário"},
        {{"Casa", "pop.casa", "ana", "senhał€"}, -1, "Senha"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.vazia << " " << (c.campo ? c.campo : ""));
        interface->mensagens.clear();
        Adiciona(c.d);
        EXPECT_TRUE(aberta) << "the dialog stays open";
        EXPECT_FALSE(TemContasEmail);
        EXPECT_TRUE(Guardadas().empty());
        if (!c.campo) {
            EXPECT_EQ(caixaComFoco, c.vazia);
            EXPECT_TRUE(interface->mensagens.empty());
            continue;
        }
        ASSERT_EQ(interface->mensagens.size(), 1u);
        EXPECT_EQ(
            interface->mensagens[0].texto.rfind(std::string("O campo \"") + c.campo + "\" contém \"", 0), 0u)
            << interface->mensagens[0].texto;
    }
}

TEST_F(Contas, TituloRepetidoSemOlharCaixaPerguntaESobregrava) {
    Adiciona({"Casa", "pop.velho.example", "joao", "1"});
    Adiciona({"Outra", "pop.outra.example", "maria", "2"});

    interface->respostas = {plataforma::vbNo};
    Adiciona({"casa", "pop.novo.example", "jose", "3"});
    EXPECT_EQ(interface->mensagens,
              (Caixas{{"Já existe uma conta com este nome.\rDeseja Sobregravar?",
                       plataforma::vbYesNo | plataforma::vbExclamation, TituloAplicacao}}));
    EXPECT_TRUE(aberta);
    EXPECT_EQ(ContasEmail[0].Pop3, "pop.velho.example");

    interface->respostas = {plataforma::vbYes};
    Adiciona({"casa", "pop.novo.example", "jose", "3"});
    EXPECT_FALSE(aberta);
    EXPECT_EQ(Linhas(), Textos({"casa / jose / pop.novo.example", "Outra / maria / pop.outra.example"}));
    // The next start finds one account under the title as last typed, in its place.
    CarregaContasEmail(AplicacaoConfiguracoes, "Email");
    ASSERT_EQ(ContasEmail.size(), 2u);
    EXPECT_EQ(ContasEmail[0], (ContaEmail{"casa", "pop.novo.example", "jose", "3"}));
    EXPECT_EQ(ContasEmail[1].NomeDaConta, "Outra");
}

TEST_F(Contas, RemoverPelaPosicaoMesmoComBarrasNoTitulo) {
    Adiciona({"A / B", "pop.a.example", "u/1", "1"});
    Adiciona({"A", "pop.b.example", "u2", "2"});
    Adiciona({"C", "pop.c.example", "u3", "3"});

    dialogo.List1->clearSelection();
    dialogo.List1->setCurrentRow(-1);
    dialogo.Command2_Click();
    EXPECT_EQ(Guardadas().size(), 3u) << "nothing selected, nothing removed";

    Seleciona(0);
    dialogo.Command2_Click();
    EXPECT_EQ(Guardadas(), Textos({"A", "C"}));
    EXPECT_EQ(Linhas(), Textos({"A / u2 / pop.b.example", "C / u3 / pop.c.example"}));

    Seleciona(1);
    dialogo.Command2_Click();
    Seleciona(0);
    dialogo.Command2_Click();
    EXPECT_TRUE(Linhas().empty());
    EXPECT_FALSE(TemContasEmail);
    EXPECT_TRUE(Guardadas().empty());
}

TEST_F(Contas, DuploCliqueEditaAContaDaLinha) {
    Adiciona({"Casa / x", "servidor", "joao", "p"});
    Adiciona({"Casa", "outro", "ze", "q"});
    Seleciona(0);
    Textos caixas;
    interface->aoMostrarModal = [&](QDialog& janela) {
        auto& conta = static_cast<frmTelvanor08&>(janela);
        for (const QLineEdit* caixa : {conta.txtNomeDaConta, conta.txtUsuário, conta.txtPop3, conta.txtSenha})
            caixas.push_back(caixa->text().toStdString());
        return 0;
    };
    dialogo.List1_DblClick();
    EXPECT_EQ(caixas, Textos({"Casa / x", "joao", "servidor", ""}));
}

} // namespace
