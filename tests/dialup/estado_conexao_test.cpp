// TextoEstadoConexão, ConexãoAtiva and ListaEntradasDialUp on scripted states and phonebooks.
#include "discagem_ambiente.h"

#include "dialup/discagem.h"
#include "platform/nucleo/escolha_backend.h"

#include <gmock/gmock.h>

using namespace quelza;
using namespace plataforma;

// The walk on the simulated line covers the other states.
TEST_F(DiscagemTeste, CadaEstadoTemSeuTextoESeuTesteDeConexaoAtiva) {
    const struct {
        RASCONNSTATE estado;
        const char* texto;
        bool ativa;
    } casos[] = {
        {RASCS_OpenPort, "Sem Conexão.", false},
        {RASCS_Disconnected, "Desconectando...", true},
        {RASCS_PortOpened, "", false},
        {RASCS_Authenticated, "", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.estado);
        // Two connections: only the first listed is followed.
        servico->conexoes = {{11, "Primeira", c.estado}, {12, "Segunda", RASCS_Connected}};
        servico->desligamentos.clear();
        hConexão = 0;
        EXPECT_EQ(ConexãoAtiva(), c.ativa);
        EXPECT_EQ(hConexão, 11u);
        EXPECT_EQ(janela.codigoEstado, "0");
        EXPECT_EQ(TextoEstadoConexão(), c.texto);
        EXPECT_EQ(servico->desligamentos,
                  c.estado == RASCS_Disconnected ? std::vector<HRASCONN>{11} : std::vector<HRASCONN>{});
    }
}

TEST_F(DiscagemTeste, SemConexaoOHandleZeraEOCodigoE6) {
    // Nothing of an earlier listing of a connection is read back from the one of none.
    servico->conexoes = {{11, "Primeira", RASCS_Connected}};
    ASSERT_TRUE(ConexãoAtiva());
    servico->conexoes.clear();
    hConexão = 99;
    EXPECT_FALSE(ConexãoAtiva());
    EXPECT_EQ(hConexão, 0u);
    EXPECT_EQ(janela.codigoEstado, "6");
    EXPECT_EQ(TextoEstadoConexão(), "Sem Conexão.");
}

TEST_F(DiscagemTeste, UmaListagemQueFalhaEAvisadaUmaVezPorSequenciaDeFalhas) {
    // A box inside which the poller goes on, as it does inside the real one.
    struct PollerNaCaixa : InterfaceRoteirizada {
        int Mensagem(const std::string& texto, int estilo, const std::string& titulo) override {
            const int resposta = InterfaceRoteirizada::Mensagem(texto, estilo, titulo);
            for (int i = 0; i < 5; ++i)
                ConexãoAtiva();
            return resposta;
        }
    };
    auto caixaComPoller = std::make_shared<PollerNaCaixa>();
    DefineBackend<InterfaceUsuario>(caixaComPoller);
    servico->conexoes = {{7, "P", RASCS_Connected}};
    ASSERT_TRUE(ConexãoAtiva());

    servico->codigoListagem = 610;
    for (int i = 0; i < 60; ++i)
        EXPECT_FALSE(ConexãoAtiva());
    EXPECT_EQ(caixaComPoller->mensagens, (Caixas{{"Problemas 610", vbCritical, TituloAplicacao}}));
    EXPECT_EQ(hConexão, 7u) << "handle kept";
    EXPECT_EQ(janela.codigoEstado, "0") << "label kept";

    servico->codigoListagem = 0;
    EXPECT_TRUE(ConexãoAtiva());
    servico->codigoListagem = 611;
    ConexãoAtiva();
    ASSERT_EQ(caixaComPoller->mensagens.size(), 2u) << "a new run of failures is reported again";
}

// The engine offers room for 256 names; a shorter list leaves the slots past it as they were.
TEST_F(DiscagemTeste, AListaDeEntradasGuardaOsNomesEMantemOsDeIndiceMaior) {
    for (int i = 0; i < 256; ++i)
        servico->entradas.push_back("Entrada " + std::to_string(i));
    servico->entradas[1] = "Provedor Ação";
    ListaEntradasDialUp();
    EXPECT_EQ(TotalEntradas, 256);
    EXPECT_EQ(NomesEntradas[255], "Entrada 255");

    servico->entradas = {"Delta"};
    ListaEntradasDialUp();
    EXPECT_EQ(TotalEntradas, 1);
    EXPECT_THAT(std::vector<std::string>(NomesEntradas.begin(), NomesEntradas.begin() + 3),
                ::testing::ElementsAre("Delta", "Provedor Ação", "Entrada 2"));

    servico->entradas.clear();
    ListaEntradasDialUp();
    EXPECT_EQ(TotalEntradas, 0) << "an empty phonebook";
}
