// IMAP accounts against a scripted server on a loopback port, for the faults a real server will not
// make on demand: each faulty account ends with its text and the run goes on to the next account,
// on a server that behaves. Time moves only on the test's clock.
#include "mail/verificacao_contas.h"
#include "platform/nucleo/escolha_backend.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/espera_no_relogio.h"
#include "support/janela_email_registrada.h"
#include "support/servidor_imap_roteirizado.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

using namespace quelza;
using namespace std::chrono_literals;
using S = ServidorImapRoteirizado;
using Resposta = S::Resposta;

class VerificacaoImap : public AmbienteTeste {
protected:
    VerificacaoImap() {
        relogio->Ajusta(9, 30);
        plataforma::DefineBackend<plataforma::Espera>(espera);
        TempoDeEspera = 1;
        bom.caixas["bia"] = {"2", 2};
    }
    ~VerificacaoImap() override {
        plataforma::DefineBackend<plataforma::Espera>(nullptr);
        plataforma::JanelaRegistrada<JanelaEmail>::Registra(nullptr);
    }

    std::shared_ptr<EsperaNoRelogio> espera = std::make_shared<EsperaNoRelogio>(relogio);
    S bom;
};

// The server's refusals and farewells at each step are the dialogue's (dialogo_imap_test.cpp); here
// one refusal stands for them beside the faults of the connection itself.
TEST_F(VerificacaoImap, FalhasDeUmaContaNaoParamAExecucao) {
    const std::string longa(1001, 's');
    const char* semServidor = "Erro. Sem Resposta do Servidor.";
    const char* semResposta = "Erro. Sem Resposta.";
    const char* senhaInvalida = "Erro. Senha Inválida.";
    const struct {
        std::optional<Resposta> saudacao;
        const char* comando;
        Resposta resposta;
        const char* desfecho;
        bool silencio;
        std::string senha = "1";
        const char* enviada = nullptr; // a line the server must have got
    } casos[] = {
        {std::nullopt, "STATUS",
         Resposta{{"* STA", "TUS INBOX (UNS", "EEN 4)\r\n<tag> O", "K\r\n"}, false, 20ms}, "4 mensagens",
         false},
        {std::nullopt, "STATUS", Resposta{{"* STATUS {5}\r\nINBOX (UNSEEN 4)\r\n* 9 EXISTS\r\n<tag> OK\r\n"}},
         "4 mensagens", false},
        {{}, "", {}, "3 mensagens", false, longa, "a2 LOGIN \"ana\" {1001}\r\n"},
        {S::Silencio(), "", {}, semServidor, true},
        {{}, "CAPABILITY", S::Fecha(), semServidor, false},
        {{}, "CAPABILITY", {{std::string(1 << 20, 'x')}}, semServidor, false},
        {{}, "LOGIN", S::Linha("<tag> NO [AUTHENTICATIONFAILED] não"), senhaInvalida, false},
        {{}, "STATUS", S::Silencio(), semResposta, true},
        {{}, "STATUS", S::Linha("<tag> OK"), "Erro. Resposta Inválida.", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.comando) + " -> " + c.desfecho);
        S servidor;
        if (c.saudacao)
            servidor.saudacao = *c.saudacao;
        servidor.caixas["ana"] = {c.senha, 3};
        if (*c.comando)
            servidor.roteiro[c.comando] = c.resposta;
        auto janela = std::make_shared<JanelaEmailRegistrada>();
        plataforma::JanelaRegistrada<JanelaEmail>::Registra(janela.get());
        espera->pausasVazias = 0;
        ContasEmail = {{"Casa", servidor.Endereco(), "ana", c.senha},
                       {"Trabalho", bom.Endereco(), "bia", "2"}};
        TemContasEmail = true;
        VerificaTodasAsContas();

        EXPECT_EQ(janela->dica, std::string("Casa (IMAP): ") + c.desfecho + "\nTrabalho (IMAP): 2 mensagens");
        const int contadas = std::string(c.desfecho).ends_with("mensagens") ? c.desfecho[0] - '0' : 0;
        ASSERT_GE(janela->rotulos.size(), 4u);
        EXPECT_EQ(std::vector<std::string>(janela->rotulos.end() - 4, janela->rotulos.end()),
                  (std::vector<std::string>{"Conectando... ", "Verificando Usuário...", "Autenticando...",
                                            std::to_string(contadas + 2) + " mensagens às 09:30"}))
            << "the steps of the account that follows, in their order";
        EXPECT_EQ(espera->pausasVazias > 0, c.silencio);
        if (c.enviada) {
            EXPECT_NE(std::find(servidor.recebidas.begin(), servidor.recebidas.end(), c.enviada),
                      servidor.recebidas.end());
        }
        const bool logout = !servidor.recebidas.empty() && servidor.recebidas.back().ends_with(" LOGOUT\r\n");
        EXPECT_EQ(logout, contadas > 0) << "LOGOUT only after a count";
    }
}

} // namespace
