// What the program and its sound process say to each other, over a real socket pair.
#include "platform/som/canal_som.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <string>

namespace {

using namespace plataforma;

TEST(CanalSom, PedidosVoltamComoForamEOQueNaoEPedidoERecusado) {
    const PedidoSom pedidos[] = {
        {},
        {PedidoSom::Tipo::Toca, 0x20003, std::string("/pasta/e-bomdia.wav")},
        {PedidoSom::Tipo::Toca, 0xFFFFFFFF, std::string()},
        {PedidoSom::Tipo::Toca, 1, std::nullopt},
        {PedidoSom::Tipo::Toca, 0, std::string("nome\0com nulo", 13)},
    };
    for (const PedidoSom& pedido : pedidos) {
        const auto pacote = CodificaPedido(pedido);
        ASSERT_TRUE(pacote);
        const auto lido = InterpretaPedido(*pacote);
        ASSERT_TRUE(lido) << *pacote;
        EXPECT_EQ(lido->tipo, pedido.tipo);
        EXPECT_EQ(lido->opcoes, pedido.opcoes);
        EXPECT_EQ(lido->nome, pedido.nome);
    }
    EXPECT_FALSE(CodificaPedido({PedidoSom::Tipo::Toca, 0, std::string(MaiorPacoteSom, 'a')}));

    for (const std::string& pacote :
         {std::string(), std::string("DD"), std::string("X"), std::string("T\1\0\0\0", 5),
          std::string("T\0\0\0\0\2", 6), std::string("T\0\0\0\0\0x", 7)})
        EXPECT_FALSE(InterpretaPedido(pacote)) << pacote;

    EXPECT_EQ(InterpretaResposta(CodificaResposta(0x01020304)), 0x01020304u);
    EXPECT_FALSE(InterpretaResposta("\1\2\3"));
    EXPECT_FALSE(InterpretaResposta("\1\2\3\4\5"));
}

TEST(CanalSom, PacotesChegamInteirosEOFimDoOutroLadoEDito) {
    int par[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, par), 0);
    std::string recebido;
    EXPECT_EQ(RecebePacote(par[1], recebido, 0), RecepcaoSom::Esgotado);

    ASSERT_TRUE(EnviaPacote(par[0], "primeiro"));
    ASSERT_TRUE(EnviaPacote(par[0], "segundo"));
    ASSERT_EQ(RecebePacote(par[1], recebido, 1000), RecepcaoSom::Recebido);
    EXPECT_EQ(recebido, "primeiro");
    ASSERT_EQ(RecebePacote(par[1], recebido, 1000), RecepcaoSom::Recebido);
    EXPECT_EQ(recebido, "segundo");

    // A packet larger than any request cannot come from the other end: it is taken as its failure.
    ASSERT_TRUE(EnviaPacote(par[0], std::string(MaiorPacoteSom + 1, 'x')));
    EXPECT_EQ(RecebePacote(par[1], recebido, 1000), RecepcaoSom::Fechado);

    ::close(par[0]);
    EXPECT_EQ(RecebePacote(par[1], recebido, 1000), RecepcaoSom::Fechado);
    EXPECT_FALSE(EnviaPacote(par[1], "ninguém ouve"));
    ::close(par[1]);
}

} // namespace
