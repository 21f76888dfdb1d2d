// The simulated line through the five dial-up calls: the walk through the states, the one modem,
// the phonebook's keys, hang-up and dropped line, and the line seen from a second process.
#include "linha_simulada_ambiente.h"

#include "platform/catalogo_simulado.h"
#include "platform/cp1252.h"
#include "platform/linha_simulada.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace plataforma;
using namespace std::chrono_literals;

namespace {

std::vector<std::string> NomesListados() {
    RASENTRYNAMEA entradas[8]{};
    entradas[0].dwSize = sizeof(RASENTRYNAMEA);
    std::uint32_t bytes = sizeof entradas;
    std::uint32_t quantas = 99;
    EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, entradas, &bytes, &quantas), 0u);
    std::vector<std::string> nomes;
    for (std::uint32_t i = 0; i < quantas; ++i)
        nomes.push_back(DeCp1252(entradas[i].szEntryName));
    return nomes;
}

} // namespace

TEST_F(LinhaSimuladaTeste, UmaDiscagemPercorreOsEstadosComOsTemposDoCatalogo) {
    GravaCatalogo({"[Rápida]", "Discagem=1000", "Autenticação=300"});
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca("Rápida", "ana", "x", &conexao), 0u);
    ASSERT_NE(conexao, 0u);

    // Milliseconds since the dial, and the state expected from then on: 200 to open the port, the
    // entry's 1000 dialling and 300 authenticating.
    const struct {
        int ms;
        RASCONNSTATE estado;
    } caminho[] = {{0, RASCS_OpenPort},         {199, RASCS_OpenPort},        {200, RASCS_ConnectDevice},
                   {1199, RASCS_ConnectDevice}, {1200, RASCS_Authenticate},   {1499, RASCS_Authenticate},
                   {1500, RASCS_Connected},     {86'400'000, RASCS_Connected}};
    const auto inicio = relogio->agora;
    for (const auto& passo : caminho) {
        relogio->agora = inicio + std::chrono::milliseconds(passo.ms);
        const Estado e = EstadoDe(conexao);
        EXPECT_EQ(e.codigo, 0u) << passo.ms;
        EXPECT_EQ(e.estado, passo.estado) << passo.ms;
        EXPECT_EQ(PrimeiraConexao(), conexao) << passo.ms;
    }
}

TEST_F(LinhaSimuladaTeste, OsTemposPadraoValemQuandoOCatalogoNaoOsDaOuOsDaMal) {
    GravaCatalogo({"[Sem tempos]", "[Tempos ruins]", "Discagem=-5", "Autenticação=muito"});
    for (const char* entrada : {"Sem tempos", "Tempos ruins"}) {
        DefineServicoDiscagem(std::make_shared<LinhaSimulada>(Catalogo(), Raiz() + "/" + entrada));
        HRASCONN conexao = 0;
        ASSERT_EQ(Disca(entrada, "", "", &conexao), 0u);
        Avanca(200ms + 1499ms);
        EXPECT_EQ(EstadoDe(conexao).estado, RASCS_ConnectDevice) << entrada;
        Avanca(1ms + 799ms);
        EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Authenticate) << entrada;
        Avanca(1ms);
        EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Connected) << entrada;
    }
}

TEST_F(LinhaSimuladaTeste, UmModemSoUmaConexaoAte_aPortaFechar) {
    HRASCONN primeira = 0;
    ASSERT_EQ(Disca(EntradaPadrao(), "", "", &primeira), 0u);
    HRASCONN outra = 77;
    EXPECT_EQ(Disca(EntradaPadrao(), "", "", &outra), ERROR_PORT_ALREADY_OPEN) << "while dialling";
    EXPECT_EQ(outra, 0u);
    Avanca(1h);
    EXPECT_EQ(Disca("Outra qualquer"), ERROR_PORT_ALREADY_OPEN) << "busy wins over a missing entry";

    EXPECT_EQ(RasHangUpA(primeira), 0u);
    Avanca(499ms);
    EXPECT_EQ(EstadoDe(primeira).estado, RASCS_Disconnected) << "the port is still closing";
    EXPECT_EQ(RasHangUpA(primeira), 0u) << "a second hang-up is harmless";
    EXPECT_EQ(Disca(EntradaPadrao()), ERROR_PORT_ALREADY_OPEN);
    Avanca(1ms);
    EXPECT_EQ(EstadoDe(primeira).codigo, ERROR_INVALID_HANDLE_RAS);
    EXPECT_EQ(PrimeiraConexao(), 0u);
    EXPECT_EQ(RasHangUpA(primeira), ERROR_INVALID_HANDLE_RAS);

    HRASCONN segunda = 0;
    ASSERT_EQ(Disca(EntradaPadrao(), "", "", &segunda), 0u);
    EXPECT_NE(segunda, primeira) << "a gone handle is not given out again";
    EXPECT_EQ(EstadoDe(primeira).codigo, ERROR_INVALID_HANDLE_RAS);
    EXPECT_EQ(EstadoDe(0).codigo, ERROR_INVALID_HANDLE_RAS);
    EXPECT_EQ(RasHangUpA(0), ERROR_INVALID_HANDLE_RAS);
}

TEST_F(LinhaSimuladaTeste, UmaEntradaForaDoCatalogoDa623SemOcuparALinha) {
    GravaCatalogo({"[Provedor Um]"});
    for (const char* entrada : {"Provedor Dois", " Provedor Um", "Provedor Um ", "Provedor"})
        EXPECT_EQ(Disca(entrada), ERROR_CANNOT_FIND_PHONEBOOK_ENTRY) << '"' << entrada << '"';
    EXPECT_EQ(PrimeiraConexao(), 0u);
    EXPECT_EQ(Disca("PROVEDOR UM"), 0u) << "entry names match regardless of case";
}

TEST_F(LinhaSimuladaTeste, CredenciaisConferidasSoQuandoAEntradaTemUsuario) {
    GravaCatalogo({"[Fechado]", "Usuário=joão", "Senha=Pão1", "[Aberto]"});
    const struct {
        const char* entrada;
        const char* usuario;
        const char* senha;
        RASCONNSTATE fim;
    } casos[] = {
        {"Fechado", "joão", "Pão1", RASCS_Connected},     {"Fechado", "joão", "pão1", RASCS_Disconnected},
        {"Fechado", "joao", "Pão1", RASCS_Disconnected},  {"Fechado", "", "", RASCS_Disconnected},
        {"Aberto", "qualquer", "coisa", RASCS_Connected}, {"Aberto", "", "", RASCS_Connected},
    };
    for (const auto& c : casos) {
        HRASCONN conexao = 0;
        ASSERT_EQ(Disca(c.entrada, c.usuario, c.senha, &conexao), 0u) << c.usuario;
        Avanca(2499ms);
        EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Authenticate) << "refused only after authenticating";
        Avanca(1ms);
        const Estado e = EstadoDe(conexao);
        EXPECT_EQ(e.estado, c.fim) << c.entrada << ' ' << c.usuario << ' ' << c.senha;
        EXPECT_EQ(e.erro, c.fim == RASCS_Connected ? 0u : ERROR_AUTHENTICATION_FAILURE);
        Avanca(1h);
        EXPECT_EQ(EstadoDe(conexao).estado, c.fim) << "a refused dial stays disconnected until hung up";
        RasHangUpA(conexao);
        Avanca(1s);
    }
}

TEST_F(LinhaSimuladaTeste, QuedaDerrubaALinhaSozinhaEErroRecusaADiscagem) {
    GravaCatalogo({"[Cai]", "Queda=30", "[Ocupado]", "Erro=678", "[Zero]", "Erro=0"});
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca("Cai", "", "", &conexao), 0u);
    Avanca(2500ms + 29'999ms);
    EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Connected);
    Avanca(1ms);
    EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Disconnected);
    EXPECT_EQ(PrimeiraConexao(), conexao) << "a dropped line stays listed until hung up";
    RasHangUpA(conexao);
    Avanca(1s);

    HRASCONN recusada = 5;
    EXPECT_EQ(Disca("Ocupado", "", "", &recusada), 678u);
    EXPECT_EQ(recusada, 0u);
    EXPECT_EQ(PrimeiraConexao(), 0u);
    EXPECT_EQ(Disca("Zero"), 0u);
}

TEST_F(LinhaSimuladaTeste, OCatalogoQueFaltaNasceComUmaEntradaEONaoFaltaNuncaEReescrito) {
    EXPECT_THAT(NomesListados(), ::testing::ElementsAre("Provedor Simulado"));
    const std::string criado = DeCp1252(Conteudo(Catalogo()));
    EXPECT_THAT(criado, ::testing::HasSubstr("[Provedor Simulado]\r\n"));
    EXPECT_THAT(criado, ::testing::HasSubstr("Autenticação=800\r\n"));
    EXPECT_EQ(Modo(Catalogo()), 0600u);

    GravaCatalogo({"[Beta]", "[Alfa]", "; nota", "[Gama Ação]"});
    const std::string doUsuario = Conteudo(Catalogo());
    EXPECT_THAT(NomesListados(), ::testing::ElementsAre("Beta", "Alfa", "Gama Ação")) << "file order";
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca("Alfa", "", "", &conexao), 0u);
    EXPECT_EQ(Conteudo(Catalogo()), doUsuario);
    RasHangUpA(conexao);
    Avanca(1s);

    Grava(Catalogo(), "");
    EXPECT_THAT(NomesListados(), ::testing::IsEmpty());
    EXPECT_EQ(Disca(EntradaPadrao()), ERROR_CANNOT_FIND_PHONEBOOK_ENTRY) << "an empty phonebook stays empty";
}

TEST_F(LinhaSimuladaTeste, DerrubarMostraDesconectadoAteDesligar) {
    LinhaSimulada& linha = LinhaSimuladaDoUsuario();
    EXPECT_FALSE(linha.Derruba()) << "nothing to drop";
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca(EntradaPadrao(), "", "", &conexao), 0u);
    Avanca(1s);
    ASSERT_EQ(EstadoDe(conexao).estado, RASCS_ConnectDevice);
    EXPECT_TRUE(linha.Derruba()) << "a line drops while dialling too";
    EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Disconnected);
    EXPECT_EQ(EstadoDe(conexao).erro, ERROR_REMOTE_DISCONNECTION);
    Avanca(1h);
    EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Disconnected);
    EXPECT_EQ(RasHangUpA(conexao), 0u);
    EXPECT_FALSE(linha.Derruba()) << "a hung-up line is not dropped again";
    Avanca(500ms);
    EXPECT_EQ(PrimeiraConexao(), 0u);
}

TEST_F(LinhaSimuladaTeste, CadaCasoDeTesteTemSuaPropriaLinha) {
    ASSERT_EQ(Disca(EntradaPadrao()), 0u);
    ASSERT_TRUE(std::filesystem::exists(ArquivoEstado()));
    const std::string outra = Raiz() + "/outra";
    std::filesystem::create_directories(outra + "/run");
    ::setenv("XDG_RUNTIME_DIR", (outra + "/run").c_str(), 1);
    EXPECT_EQ(PrimeiraConexao(), 0u) << "the line follows the runtime folder";
    ::setenv("XDG_RUNTIME_DIR", (Raiz() + "/run").c_str(), 1);
    EXPECT_NE(PrimeiraConexao(), 0u);
}

// Two lines on the same files stand for two processes: each maps the state file on its own.
TEST_F(LinhaSimuladaTeste, UmaMudancaDeOutraLinhaNosMesmosArquivosAparece) {
    auto outra = std::make_shared<LinhaSimulada>(Catalogo(), ArquivoEstado());
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca(EntradaPadrao(), "", "", &conexao), 0u);
    Avanca(3s);
    RASCONNSTATUSA estado{};
    ASSERT_EQ(outra->Estado(conexao, &estado), 0u);
    EXPECT_EQ(estado.rasconnstate, RASCS_Connected);

    EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Connected) << "the copy is filled";
    ASSERT_TRUE(outra->Derruba());
    EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Disconnected) << "the other's change is seen at once";
    ASSERT_EQ(outra->Desliga(conexao), 0u);
    Avanca(1s);
    EXPECT_EQ(PrimeiraConexao(), 0u);
}

TEST_F(LinhaSimuladaTeste, UmaConexaoFeitaPorUmProcessoEVistaPorOutro) {
    const pid_t filho = ::fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        // A fresh line in the child, as a new process would build it from the same folders.
        LinhaSimulada linha(Catalogo(), ArquivoEstado());
        RASDIALPARAMSA parametros{};
        parametros.dwSize = sizeof parametros;
        std::strcpy(parametros.szEntryName, EntradaPadraoCatalogo);
        HRASCONN conexao = 0;
        ::_exit(linha.Disca(parametros, &conexao) == 0 && conexao != 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(filho, &status, 0), filho);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    const HRASCONN conexao = PrimeiraConexao();
    ASSERT_NE(conexao, 0u);
    Avanca(3s);
    EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Connected);
    EXPECT_EQ(Disca(EntradaPadrao()), ERROR_PORT_ALREADY_OPEN);
}

// The line tool is built beside the program; a test program built alone has not built it.
class FerramentaLinhaTeste : public LinhaSimuladaTeste {
protected:
    void SetUp() override {
        ferramenta_ = (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() /
                       "programa" / "e-telvanor-linha")
                          .string();
        if (!std::filesystem::exists(ferramenta_))
            GTEST_SKIP() << "e-telvanor-linha is not built: " << ferramenta_;
    }

    // Runs the tool; its exit code and what it printed on both outputs.
    std::pair<int, std::string> Executa(const std::string& argumentos) {
        FILE* saida = ::popen((ferramenta_ + " " + argumentos + " 2>&1").c_str(), "r");
        std::string texto;
        char bloco[256];
        while (std::fgets(bloco, sizeof bloco, saida))
            texto += bloco;
        const int status = ::pclose(saida);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, texto};
    }

private:
    std::string ferramenta_;
};

TEST_F(FerramentaLinhaTeste, MostraEDerrubaALinhaDoPrograma) {
    EXPECT_EQ(Executa("estado"), std::make_pair(0, std::string("sem conexão\n")));
    EXPECT_EQ(Executa("derruba").first, 1);

    GravaCatalogo({"[Provedor Ação]"});
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca("Provedor Ação", "", "", &conexao), 0u);
    // The tool reads the real clock, long after this test's dial.
    const auto [codigo, texto] = Executa("estado");
    EXPECT_EQ(codigo, 0);
    EXPECT_EQ(texto, "conexão " + std::to_string(conexao) +
                         ": estado 8192 RASCS_Connected, entrada \"Provedor Ação\"\n");

    EXPECT_EQ(Executa("derruba"), std::make_pair(0, std::string("linha derrubada\n")));
    EXPECT_EQ(EstadoDe(conexao).estado, RASCS_Disconnected);

    for (const char* errado : {"", "estados", "estado derruba"})
        EXPECT_THAT(Executa(errado), ::testing::Pair(2, ::testing::StartsWith("uso: e-telvanor-linha")))
            << errado;
}
