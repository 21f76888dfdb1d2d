// TextoEstadoConexão, ConexãoAtiva, DesligaConexão and ListaEntradasDialUp on scripted states.
#include "discagem_ambiente.h"

#include "dialup/discagem.h"
#include "settings/quelza.h"

#include <gmock/gmock.h>

using namespace quelza;
using namespace plataforma;

namespace {

struct CasoEstado {
    RASCONNSTATE estado;
    const char* texto;
    bool ativa;
};
constexpr CasoEstado Casos[] = {
    {RASCS_OpenPort, "Sem Conexão.", false},
    {RASCS_ConnectDevice, "Discando...", false},
    {RASCS_Authenticate, "Verif. Nome e Senha...", true},
    {RASCS_Connected, "Conectado.", true},
    {RASCS_Disconnected, "Desconectando...", true},
    {RASCS_PortOpened, "", false},
    {RASCS_Authenticated, "", false},
    {3, "", false},
};

} // namespace

TEST_F(DiscagemTeste, CadaEstadoTemSeuTextoESoODesconectadoDesliga) {
    for (const CasoEstado& c : Casos) {
        SCOPED_TRACE(c.estado);
        servico->conexoes = {{7, "P", c.estado}};
        servico->desligamentos.clear();
        eventos->bombeamentos = 0;
        hConexão = 7;
        EXPECT_EQ(TextoEstadoConexão(), c.texto);
        EXPECT_EQ(eventos->bombeamentos, 2);
        EXPECT_EQ(servico->desligamentos,
                  (c.estado == RASCS_Disconnected ? std::vector<HRASCONN>{7} : std::vector<HRASCONN>{}));
    }
}

TEST_F(DiscagemTeste, UmaConsultaQueFalhaLeComoSemConexao) {
    servico->conexoes = {{7, "P", RASCS_Connected}};
    for (HRASCONN handle : {0u, 8u}) {
        hConexão = handle;
        EXPECT_EQ(TextoEstadoConexão(), "Sem Conexão.") << handle;
    }
    EXPECT_TRUE(servico->desligamentos.empty());
}

TEST_F(DiscagemTeste, AConexaoAtivaSegueOEstadoDaPrimeiraListada) {
    for (const CasoEstado& c : Casos) {
        servico->conexoes = {{11, "Primeira", c.estado}, {12, "Segunda", RASCS_Connected}};
        hConexão = 0;
        EXPECT_EQ(ConexãoAtiva(), c.ativa) << c.estado;
        EXPECT_EQ(hConexão, 11u) << "only the first listed is followed";
        EXPECT_EQ(Caption(janela.lblCodStatus), "0");
    }
    servico->conexoes[0].codigoEstado = 19;
    ConexãoAtiva();
    EXPECT_EQ(Caption(janela.lblCodStatus), "19") << "the status query's own code";
}

TEST_F(DiscagemTeste, SemConexaoOHandleZeraEOCodigoE6) {
    hConexão = 99;
    EXPECT_FALSE(ConexãoAtiva());
    EXPECT_EQ(hConexão, 0u);
    EXPECT_EQ(Caption(janela.lblCodStatus), "6");
    EXPECT_EQ(TextoEstadoConexão(), "Sem Conexão.");
    EXPECT_TRUE(interface->mensagens.empty());
}

TEST_F(DiscagemTeste, UmaListagemQueFalhaEAvisadaUmaVezPorSequenciaDeFalhas) {
    // A box that lets the poller run inside it, as the real one does.
    struct PollerNaCaixa : InterfaceRoteirizada {
        int Mensagem(const std::string& texto, int estilo, const std::string& titulo) override {
            const int resposta = InterfaceRoteirizada::Mensagem(texto, estilo, titulo);
            for (int i = 0; i < 5; ++i)
                ativaDentro.push_back(ConexãoAtiva());
            return resposta;
        }
        std::vector<bool> ativaDentro;
    };
    auto caixa = std::make_shared<PollerNaCaixa>();
    DefineInterfaceUsuario(caixa);
    servico->conexoes = {{7, "P", RASCS_Connected}};
    ASSERT_TRUE(ConexãoAtiva());

    servico->codigoListagem = 610;
    hConexão = 7;
    for (int i = 0; i < 60; ++i)
        EXPECT_FALSE(ConexãoAtiva());
    ASSERT_EQ(caixa->mensagens.size(), 1u);
    EXPECT_EQ(caixa->mensagens[0].texto, "Problemas 610");
    EXPECT_EQ(caixa->mensagens[0].estilo, vbCritical);
    EXPECT_THAT(caixa->ativaDentro, ::testing::Each(false));
    EXPECT_EQ(hConexão, 7u) << "handle kept";
    EXPECT_EQ(Caption(janela.lblCodStatus), "0") << "label kept";

    servico->codigoListagem = 0;
    EXPECT_TRUE(ConexãoAtiva());
    servico->codigoListagem = 611;
    ConexãoAtiva();
    ConexãoAtiva();
    ASSERT_EQ(caixa->mensagens.size(), 2u) << "a new run of failures is reported again";
    EXPECT_EQ(caixa->mensagens[1].texto, "Problemas 611");
}

TEST_F(DiscagemTeste, DesligarPassaOHandleSemOZerar) {
    hConexão = 23;
    DesligaConexão();
    EXPECT_EQ(servico->desligamentos, std::vector<HRASCONN>{23});
    EXPECT_EQ(hConexão, 23u);
}

TEST_F(DiscagemTeste, AListaDeEntradasGuardaOsNomesEMantemOsDeIndiceMaior) {
    servico->entradas = {"Alfa", "Provedor Ação", "Gama"};
    ListaEntradasDialUp();
    EXPECT_EQ(TotalEntradas, 3);
    EXPECT_THAT(std::vector<std::string>(NomesEntradas.begin(), NomesEntradas.begin() + 4),
                ::testing::ElementsAre("Alfa", "Provedor Ação", "Gama", ""));

    servico->entradas = {"Delta"};
    ListaEntradasDialUp();
    EXPECT_EQ(TotalEntradas, 1);
    EXPECT_THAT(std::vector<std::string>(NomesEntradas.begin(), NomesEntradas.begin() + 3),
                ::testing::ElementsAre("Delta", "Provedor Ação", "Gama"));

    servico->entradas.clear();
    ListaEntradasDialUp();
    EXPECT_EQ(TotalEntradas, 0) << "an empty phonebook";
    EXPECT_EQ(NomesEntradas[0], "Delta");
}

TEST_F(DiscagemTeste, DuzentasECinquentaESeisEntradasCabemTodas) {
    for (int i = 0; i < 256; ++i)
        servico->entradas.push_back("Entrada " + std::to_string(i));
    ListaEntradasDialUp();
    EXPECT_EQ(TotalEntradas, 256);
    EXPECT_EQ(NomesEntradas[255], "Entrada 255");
    EXPECT_EQ(NomesEntradas[256], "");
}
