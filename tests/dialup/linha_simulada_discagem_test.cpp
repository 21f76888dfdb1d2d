// The dialing engine on the real simulated line, asked as the poller asks, over an injected clock.
#include "support/ambiente.h"
#include "support/janelas_registradas.h"

#include "dialup/discagem.h"
#include "platform/discagem/simulada/linha_simulada.h"
#include "platform/nucleo/escolha_backend.h"
#include "settings/quelza.h"

using namespace quelza;
using namespace plataforma;
using namespace std::chrono_literals;

namespace {

class LinhaSimuladaDiscagemTeste : public AmbienteTeste {
protected:
    // The poller's order: the text, then the active-connection test.
    std::string Texto() {
        const std::string texto = TextoEstadoConexão();
        ConexãoAtiva();
        return texto;
    }

    JanelaDiscagemRegistrada janela;
};

} // namespace

TEST_F(LinhaSimuladaDiscagemTeste, OsTextosSeguemADiscagemAteConectarEADerrubada) {
    ListaEntradasDialUp();
    ASSERT_EQ(TotalEntradas, 1);
    std::string entrada = NomesEntradas[0], usuario = "ana", senha = "senha";
    DiscaConexão(entrada, usuario, senha);
    EXPECT_EQ(Texto(), "Sem Conexão.") << "opening the port";
    EXPECT_EQ(janela.codigoEstado, "0") << "yet listed, so no redial";
    const struct {
        std::chrono::milliseconds passo;
        const char* texto;
        bool ativa;
    } caminho[] = {
        {200ms, "Discando...", false}, {1500ms, "Verif. Nome e Senha...", true}, {800ms, "Conectado.", true}};
    for (const auto& p : caminho) {
        relogio->Avanca(p.passo);
        EXPECT_EQ(Texto(), p.texto);
        EXPECT_EQ(ConexãoAtiva(), p.ativa) << p.texto;
    }
    EXPECT_TRUE(LinhaSimuladaDoUsuario().Derruba());
    EXPECT_EQ(Texto(), "Desconectando...");
    relogio->Avanca(500ms);
    EXPECT_EQ(Texto(), "Sem Conexão.") << "the engine's hang-up freed the line";
    EXPECT_EQ(janela.codigoEstado, "6");
    EXPECT_TRUE(interface->mensagens.empty());
}
