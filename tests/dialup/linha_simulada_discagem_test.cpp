// The dialing engine on the real simulated line, the way the poller drives it: texts over an injected
// clock, refusals from the line, and a line dropped from outside.
#include "support/ambiente.h"

#include "app/frm_telvanor01.h"
#include "dialup/discagem.h"
#include "platform/cp1252.h"
#include "platform/linha_simulada.h"
#include "platform/pastas.h"
#include "settings/quelza.h"

#include <gmock/gmock.h>

using namespace quelza;
using namespace plataforma;
using namespace std::chrono_literals;

namespace {

class LinhaSimuladaDiscagemTeste : public AmbienteTeste {
protected:
    LinhaSimuladaDiscagemTeste() { DefineServicoDiscagem(nullptr); }

    void GravaCatalogo(const std::string& utf8) {
        GravaArquivo(PastaUsuario() + "/catalogo.ini", ParaCp1252(utf8));
    }

    // One poller's worth of questions: the text first, then the active-connection test.
    std::string Texto() {
        const std::string texto = TextoEstadoConexão();
        ConexãoAtiva();
        return texto;
    }

    void Disca(std::string entrada, std::string usuario = "", std::string senha = "") {
        DiscaConexão(entrada, usuario, senha);
    }

    frmTelvanor01 janela;
};

} // namespace

TEST_F(LinhaSimuladaDiscagemTeste, OsTextosSeguemADiscagemAteConectar) {
    ListaEntradasDialUp();
    ASSERT_EQ(TotalEntradas, 1);
    EXPECT_EQ(NomesEntradas[0], "Provedor Simulado");

    EXPECT_FALSE(ConexãoAtiva());
    EXPECT_EQ(Caption(janela.lblCodStatus), "6");
    Disca(NomesEntradas[0], "ana", "senha");
    EXPECT_NE(hConexão, 0u);
    EXPECT_EQ(Texto(), "Sem Conexão.") << "opening the port";
    EXPECT_EQ(Caption(janela.lblCodStatus), "0") << "the dial is listed already";
    relogio->Avanca(200ms);
    EXPECT_EQ(Texto(), "Discando...");
    EXPECT_FALSE(ConexãoAtiva());
    relogio->Avanca(1500ms);
    EXPECT_EQ(Texto(), "Verif. Nome e Senha...");
    EXPECT_TRUE(ConexãoAtiva());
    relogio->Avanca(800ms);
    EXPECT_EQ(Texto(), "Conectado.");
    EXPECT_TRUE(ConexãoAtiva());
    EXPECT_TRUE(interface->mensagens.empty());

    EXPECT_TRUE(LinhaSimuladaDoUsuario().Derruba());
    EXPECT_EQ(Texto(), "Desconectando...") << "and hung up";
    relogio->Avanca(499ms);
    EXPECT_TRUE(ConexãoAtiva()) << "the port still closing";
    relogio->Avanca(1ms);
    EXPECT_EQ(Texto(), "Sem Conexão.");
    EXPECT_FALSE(ConexãoAtiva());
    EXPECT_EQ(hConexão, 0u);
    EXPECT_EQ(Caption(janela.lblCodStatus), "6");
}

TEST_F(LinhaSimuladaDiscagemTeste, CredenciaisErradasTerminamDesconectandoEDesligadas) {
    GravaCatalogo("[Fechado]\r\nUsuário=ana\r\nSenha=certa\r\n");
    Disca("Fechado", "ana", "errada");
    relogio->Avanca(2499ms);
    EXPECT_EQ(Texto(), "Verif. Nome e Senha...");
    relogio->Avanca(1ms);
    EXPECT_EQ(Texto(), "Desconectando...");
    relogio->Avanca(500ms);
    EXPECT_EQ(Texto(), "Sem Conexão.") << "the engine's hang-up freed the line";
    EXPECT_EQ(Caption(janela.lblCodStatus), "6");
}

TEST_F(LinhaSimuladaDiscagemTeste, ALinhaRecusaOSegundoModemEAEntradaInexistente) {
    Disca("Provedor Simulado");
    const HRASCONN primeira = hConexão;
    Disca("Provedor Simulado");
    Disca(" Provedor Simulado ");
    ASSERT_EQ(interface->mensagens.size(), 2u);
    EXPECT_EQ(interface->mensagens[0].texto, "Porta Aberta");
    EXPECT_EQ(interface->mensagens[1].texto, "Porta Aberta") << "a busy modem answers before the phonebook";
    EXPECT_EQ(hConexão, 0u) << "what the refused dial returned";
    ConexãoAtiva();
    EXPECT_EQ(hConexão, primeira) << "the poller finds the connection again";

    DesligaConexão();
    relogio->Avanca(1s);
    Disca(" Provedor Simulado ");
    ASSERT_EQ(interface->mensagens.size(), 3u);
    EXPECT_EQ(interface->mensagens[2].texto, "Acesso a Rede Dial-UP  Provedor Simulado  inexistente.");
    EXPECT_EQ(hConexão, 0u);
}

TEST_F(LinhaSimuladaDiscagemTeste, UmCatalogoVazioNaoTemEntradas) {
    GravaCatalogo("");
    NomesEntradas[0] = "antiga";
    ListaEntradasDialUp();
    EXPECT_EQ(TotalEntradas, 0);
    EXPECT_EQ(NomesEntradas[0], "antiga");
}
