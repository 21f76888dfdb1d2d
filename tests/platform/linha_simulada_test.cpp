// The simulated line through the dial-up calls: the walk through the states, the one modem, the
// phonebook's keys, and the line seen and dropped by the line tool, a second process.
#include "linha_simulada_ambiente.h"

#include "platform/cp1252.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

using namespace plataforma;
using namespace std::chrono_literals;

TEST_F(LinhaSimuladaTeste, UmaDiscagemPercorreOsEstadosComOsTemposDoCatalogo) {
    GravaCatalogo({"[Rápida]", "Discagem=1000", "Autenticação=300", "[Padrão]", "Discagem=-5"});
    // Milliseconds since the dial and the state from then on: 200 to open the port, then the
    // entry's dialling and authenticating times (1500 and 800 when missing or not a number).
    const struct {
        const char* entrada;
        std::vector<std::pair<int, RASCONNSTATE>> caminho;
    } casos[] = {
        {"Rápida",
         {{0, RASCS_OpenPort},
          {199, RASCS_OpenPort},
          {200, RASCS_ConnectDevice},
          {1199, RASCS_ConnectDevice},
          {1200, RASCS_Authenticate},
          {1499, RASCS_Authenticate},
          {1500, RASCS_Connected},
          {86'400'000, RASCS_Connected}}},
        {"Padrão",
         {{1699, RASCS_ConnectDevice},
          {1700, RASCS_Authenticate},
          {2499, RASCS_Authenticate},
          {2500, RASCS_Connected}}},
    };
    for (const auto& c : casos) {
        HRASCONN conexao = 0;
        ASSERT_EQ(Disca(c.entrada, "", "", &conexao), 0u);
        const auto inicio = relogio->agora;
        for (const auto& [ms, estado] : c.caminho) {
            relogio->agora = inicio + std::chrono::milliseconds(ms);
            EXPECT_EQ(EstadoDe(conexao).codigo, 0u);
            EXPECT_EQ(EstadoDe(conexao).estado, estado) << c.entrada << ' ' << ms;
            EXPECT_EQ(PrimeiraConexao(), conexao) << "listed from the start";
        }
        RasHangUpA(conexao);
        Avanca(1s);
    }
}

TEST_F(LinhaSimuladaTeste, UmModemSoUmaConexaoAteAPortaFechar) {
    HRASCONN primeira = 0;
    ASSERT_EQ(Disca(EntradaPadrao(), "", "", &primeira), 0u);
    HRASCONN outra = 77;
    EXPECT_EQ(Disca("Outra qualquer", "", "", &outra), ERROR_PORT_ALREADY_OPEN) << "busy wins";
    EXPECT_EQ(outra, 0u);

    EXPECT_EQ(RasHangUpA(primeira), 0u);
    Avanca(499ms);
    EXPECT_EQ(EstadoDe(primeira).estado, RASCS_Disconnected) << "the port is still closing";
    EXPECT_EQ(RasHangUpA(primeira), 0u) << "a second hang-up does not hold the port longer";
    EXPECT_EQ(Disca(EntradaPadrao()), ERROR_PORT_ALREADY_OPEN);
    Avanca(1ms);
    EXPECT_EQ(EstadoDe(primeira).codigo, ERROR_INVALID_HANDLE_RAS);
    EXPECT_EQ(PrimeiraConexao(), 0u);

    HRASCONN segunda = 0;
    ASSERT_EQ(Disca(EntradaPadrao(), "", "", &segunda), 0u);
    EXPECT_NE(segunda, primeira) << "a gone handle is not given out again";
    EXPECT_EQ(EstadoDe(primeira).codigo, ERROR_INVALID_HANDLE_RAS);
    EXPECT_EQ(EstadoDe(0).codigo, ERROR_INVALID_HANDLE_RAS);
}

TEST_F(LinhaSimuladaTeste, EntradaCredenciaisQuedaEErroVemDoCatalogo) {
    GravaCatalogo(
        {"[Fechado]", "Usuário=joão", "Senha=Pão1", "[Aberto]", "Queda=30", "[Ocupado]", "Erro=678"});
    for (const char* entrada : {"Outro", " Aberto", "Aberto "})
        EXPECT_EQ(Disca(entrada), ERROR_CANNOT_FIND_PHONEBOOK_ENTRY) << '"' << entrada << '"';
    EXPECT_EQ(Disca("Ocupado"), 678u);
    EXPECT_EQ(PrimeiraConexao(), 0u) << "a refused dial leaves the line free";

    // Entry, user, password, the state 2500 ms after dialling, and 30 s later.
    const struct {
        const char *entrada, *usuario, *senha;
        RASCONNSTATE fim, depois;
        std::uint32_t erro;
    } casos[] = {
        {"Fechado", "joão", "Pão1", RASCS_Connected, RASCS_Connected, 0},
        {"Fechado", "joão", "pão1", RASCS_Disconnected, RASCS_Disconnected, ERROR_AUTHENTICATION_FAILURE},
        {"Fechado", "", "", RASCS_Disconnected, RASCS_Disconnected, ERROR_AUTHENTICATION_FAILURE},
        {"ABERTO", "qualquer", "", RASCS_Connected, RASCS_Disconnected, ERROR_REMOTE_DISCONNECTION},
    };
    for (const auto& c : casos) {
        HRASCONN conexao = 0;
        ASSERT_EQ(Disca(c.entrada, c.usuario, c.senha, &conexao), 0u) << c.entrada;
        Avanca(2499ms);
        EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Authenticate) << "refused only after authenticating";
        Avanca(1ms);
        EXPECT_EQ(EstadoDe(conexao).estado, c.fim) << c.entrada << ' ' << c.senha;
        Avanca(30s);
        EXPECT_EQ(EstadoDe(conexao).estado, c.depois) << c.entrada << ' ' << c.senha;
        EXPECT_EQ(EstadoDe(conexao).erro, c.erro);
        RasHangUpA(conexao);
        Avanca(1s);
    }
}

TEST_F(LinhaSimuladaTeste, OCatalogoQueFaltaNasceComUmaEntradaEONaoFaltaNuncaEReescrito) {
    EXPECT_THAT(Nomes(), ::testing::ElementsAre("Provedor Simulado"));
    EXPECT_THAT(DeCp1252(Conteudo(Catalogo())), ::testing::HasSubstr("[Provedor Simulado]\r\n"));
    EXPECT_EQ(Modo(Catalogo()), 0600u);

    GravaCatalogo({"[Beta]", "[Alfa]", "[Gama Ação]"});
    const std::string doUsuario = Conteudo(Catalogo());
    EXPECT_THAT(Nomes(), ::testing::ElementsAre("Beta", "Alfa", "Gama Ação")) << "file order";
    Grava(Catalogo(), "");
    EXPECT_THAT(Nomes(), ::testing::IsEmpty());
    EXPECT_EQ(Disca(EntradaPadrao()), ERROR_CANNOT_FIND_PHONEBOOK_ENTRY) << "an empty phonebook stays empty";
}

// The line tool is built beside the program; a test program built alone has not built it.
class FerramentaLinhaTeste : public LinhaSimuladaTeste {
protected:
    void SetUp() override {
        ferramenta_ = std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() /
                      "programa" / "e-telvanor-linha";
        if (!std::filesystem::exists(ferramenta_))
            GTEST_SKIP() << "e-telvanor-linha is not built: " << ferramenta_;
    }

    // The exit code and what the tool printed on both outputs.
    std::pair<int, std::string> Executa(const std::string& argumentos) {
        FILE* saida = ::popen((ferramenta_.string() + " " + argumentos + " 2>&1").c_str(), "r");
        std::string texto;
        char bloco[256];
        while (std::fgets(bloco, sizeof bloco, saida))
            texto += bloco;
        const int status = ::pclose(saida);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, texto};
    }

private:
    std::filesystem::path ferramenta_;
};

TEST_F(FerramentaLinhaTeste, OutroProcessoVeEDerrubaALinhaDoPrograma) {
    EXPECT_EQ(Executa("estado"), std::make_pair(0, std::string("sem conexão\n")));
    EXPECT_EQ(Executa("derruba").first, 1);

    GravaCatalogo({"[Provedor Ação]"});
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca("Provedor Ação", "", "", &conexao), 0u);
    ASSERT_EQ(EstadoDe(conexao).estado, RASCS_OpenPort) << "this process's copy is filled";
    // The tool reads the real clock, long after this test's dial.
    EXPECT_EQ(Executa("estado"),
              std::make_pair(0, "conexão " + std::to_string(conexao) +
                                    ": estado 8192 RASCS_Connected, entrada \"Provedor Ação\"\n"));
    EXPECT_EQ(Executa("derruba"), std::make_pair(0, std::string("linha derrubada\n")));
    EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Disconnected) << "the other process's change is seen at once";
    EXPECT_EQ(Disca(EntradaPadrao()), ERROR_PORT_ALREADY_OPEN) << "a dropped line holds the modem";

    for (const char* errado : {"", "estados", "estado derruba"})
        EXPECT_THAT(Executa(errado), ::testing::Pair(2, ::testing::StartsWith("uso: e-telvanor-linha")))
            << errado;
}
