// The second start's request: the tokens it carries, and what the running instance refuses to set.
#include "platform/instancia/pedido_ativacao.h"

#include <gtest/gtest.h>

using namespace plataforma;

namespace {

TEST(PedidoAtivacao, SoOsTokensConhecidosEBemFormadosChegam) {
    const TokensAtivacao dois = {{"XDG_ACTIVATION_TOKEN", "abc-123_x"},
                                 {"DESKTOP_STARTUP_ID", "painel-42-maquina-e-telvanor-0_TIME9876"}};
    EXPECT_EQ(PedidoAtivacao({}), "ativa\n");
    EXPECT_EQ(TokensDoPedido(PedidoAtivacao(dois)), dois);
    // What the first would drop is not sent: an overlong token would make the whole request too long.
    EXPECT_EQ(PedidoAtivacao({{"XDG_ACTIVATION_TOKEN", std::string(TamanhoMaximoPedido, 'a')},
                              {"XDG_ACTIVATION_TOKEN", "a\nLD_PRELOAD=/tmp/x.so"},
                              {"DESKTOP_STARTUP_ID", "ok"}}),
              "ativa\nDESKTOP_STARTUP_ID=ok\n");
    EXPECT_EQ(TokensDoPedido("XDG_ACTIVATION_TOKEN=t\n"), std::nullopt) << "not a request";
    EXPECT_EQ(TokensDoPedido(""), std::nullopt);

    const struct {
        const char* caso;
        std::string pedido;
        TokensAtivacao esperados;
    } casos[] = {
        {"só o pedido, de uma versão anterior", "ativa\n", {}},
        {"sem o fim de linha", "ativa\nXDG_ACTIVATION_TOKEN=t", {{"XDG_ACTIVATION_TOKEN", "t"}}},
        {"outra variável", "ativa\nLD_PRELOAD=/tmp/x.so\nPATH=/tmp\n", {}},
        {"nome parecido", "ativa\nXDG_ACTIVATION_TOKENX=t\n xdg_activation_token=t\n", {}},
        {"vazio", "ativa\nXDG_ACTIVATION_TOKEN=\n", {}},
        {"com espaço", "ativa\nXDG_ACTIVATION_TOKEN=a b\n", {}},
        {"com controle", "ativa\nXDG_ACTIVATION_TOKEN=a\rb\n", {}},
        {"longo demais", "ativa\nXDG_ACTIVATION_TOKEN=" + std::string(1025, 'a') + "\n", {}},
        {"no limite",
         "ativa\nXDG_ACTIVATION_TOKEN=" + std::string(1024, 'a') + "\n",
         {{"XDG_ACTIVATION_TOKEN", std::string(1024, 'a')}}},
        {"um sinal de igual no valor", "ativa\nDESKTOP_STARTUP_ID=a=b\n", {{"DESKTOP_STARTUP_ID", "a=b"}}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(TokensDoPedido(c.pedido), c.esperados);
    }
}

} // namespace
