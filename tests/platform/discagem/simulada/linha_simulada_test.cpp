// The simulated line through the dial-up calls: the checks made before the line sees a record, the
// walk through the states, the one modem, the phonebook's keys, and the line seen and dropped by the
// line tool, a second process.
#include "support/chamadas_discagem.h"
#include "support/gravacao_recusada.h"
#include "support/pastas_teste.h"
#include "support/relogio_ajustavel.h"

#include "platform/discagem/ras.h"
#include "platform/discagem/simulada/arquivo_linha.h"
#include "platform/discagem/simulada/catalogo_simulado.h"
#include "platform/discagem/simulada/linha_simulada.h"
#include "platform/nucleo/escolha_backend.h"
#include "platform/nucleo/relogio.h"
#include "platform/texto/cp1252.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/wait.h>

using namespace plataforma;
using namespace std::chrono_literals;

namespace {

const char* const kPadrao = "Provedor Simulado";

// The test's clock, the simulated line as the dial-up service, and short ways to make the calls with
// UTF-8 names.
class LinhaSimuladaTeste : public PastasTeste {
protected:
    LinhaSimuladaTeste() {
        std::filesystem::create_directories(PastaUsuario());
        DefineBackend<Relogio>(relogio);
        DefineBackend<ServicoDiscagem>(LinhaSimuladaDoUsuario());
    }
    ~LinhaSimuladaTeste() override {
        DefineBackend<Relogio>(nullptr);
        DefineBackend<ServicoDiscagem>(nullptr);
    }

    void Avanca(std::chrono::milliseconds passo) { relogio->Avanca(passo); }
    std::string Catalogo() const { return PastaUsuario() + "/catalogo.ini"; }
    // Writes the phonebook from UTF-8 lines, stored as Windows-1252 with CR LF.
    void GravaCatalogo(std::initializer_list<const char*> linhas) {
        std::string texto;
        for (const char* linha : linhas)
            texto += ParaCp1252(linha) + "\r\n";
        Grava(Catalogo(), texto);
    }

    static RASCONNSTATUSA EstadoDe(HRASCONN conexao, std::uint32_t esperado = 0) {
        std::uint32_t codigo = 0;
        const RASCONNSTATUSA estado = Estado(conexao, &codigo);
        EXPECT_EQ(codigo, esperado) << conexao;
        return estado;
    }

    // The listed connection's handle, 0 when none is listed.
    static HRASCONN PrimeiraConexao() {
        const auto linhas = Conexoes();
        EXPECT_LE(linhas.size(), 1u) << "one modem, one connection";
        return linhas.empty() ? 0 : linhas[0].conexao;
    }

    std::shared_ptr<RelogioAjustavel> relogio = std::make_shared<RelogioAjustavel>();
};

TEST_F(LinhaSimuladaTeste, RegistrosEBuffersConferidosAntesDaLinha) {
    HRASCONN conexao = 0;
    std::uint32_t bytes = 4096, quantas = 0;
    for (std::uint32_t tamanho : {0u, 1051u, 1060u}) {
        RASDIALPARAMSA parametros{};
        parametros.dwSize = tamanho;
        EXPECT_EQ(RasDialA(nullptr, nullptr, &parametros, 0, nullptr, &conexao), ERROR_INVALID_SIZE)
            << tamanho;
    }
    RASCONNSTATUSA estado{};
    estado.dwSize = 159;
    RASCONNA conexoes[2]{};
    conexoes[0].dwSize = sizeof(RASENTRYNAMEA);
    RASENTRYNAMEA entradas[2]{};
    entradas[0].dwSize = sizeof(RASCONNA);
    for (const std::uint32_t codigo :
         {RasGetConnectStatusA(1, &estado), RasEnumConnectionsA(conexoes, &bytes, &quantas),
          RasEnumEntriesA(nullptr, nullptr, entradas, &bytes, &quantas)})
        EXPECT_EQ(codigo, ERROR_INVALID_SIZE);
    for (const std::uint32_t codigo :
         {RasDialA(nullptr, nullptr, nullptr, 0, nullptr, &conexao), RasGetConnectStatusA(1, nullptr),
          RasEnumConnectionsA(nullptr, nullptr, &quantas),
          RasEnumEntriesA("x", nullptr, nullptr, &bytes, &quantas)})
        EXPECT_EQ(codigo, ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(PrimeiraConexao(), 0u) << "no refused record dialled";

    // An entry name filling its field to the last byte is not read past.
    RASDIALPARAMSA cheio;
    std::memset(&cheio, 'A', sizeof cheio);
    cheio.dwSize = sizeof cheio;
    EXPECT_EQ(RasDialA(nullptr, nullptr, &cheio, 0, nullptr, &conexao), ERROR_CANNOT_FIND_PHONEBOOK_ENTRY);

    // A buffer too small gets the bytes it needs.
    GravaCatalogo({"[Um]", "[Dois]", "[Três]"});
    RASENTRYNAMEA tres[3]{};
    tres[0].dwSize = sizeof(RASENTRYNAMEA);
    bytes = 2 * sizeof(RASENTRYNAMEA) + 100;
    quantas = 7;
    EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, tres, &bytes, &quantas), ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(bytes, 3 * sizeof(RASENTRYNAMEA));
    EXPECT_EQ(quantas, 0u);
    ASSERT_EQ(RasEnumEntriesA(nullptr, nullptr, tres, &bytes, &quantas), 0u) << "the size given back fits";
    EXPECT_EQ(quantas, 3u);
    EXPECT_EQ(tres[2].dwSize, sizeof(RASENTRYNAMEA)) << "each record written gets its size";

    ASSERT_EQ(Disca("Um"), 0u);
    bytes = 0;
    EXPECT_EQ(RasEnumConnectionsA(nullptr, &bytes, &quantas), ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(bytes, sizeof(RASCONNA));
}

TEST_F(LinhaSimuladaTeste, UmaDiscagemPercorreOsEstadosComOsTemposDoCatalogo) {
    GravaCatalogo({"[Rápida]", "Discagem=1000", "Autenticação=300", "[Padrão]", "Discagem=-5"});
    // 200 ms to open the port, then the entry's dialling and authenticating times (1500 and 800 when
    // missing or not a number); each state is checked at its first and last millisecond.
    const RASCONNSTATE estados[] = {RASCS_OpenPort, RASCS_ConnectDevice, RASCS_Authenticate, RASCS_Connected};
    for (const auto& [entrada, discagem, autenticacao] :
         {std::tuple{"Rápida", 1000, 300}, {"Padrão", 1500, 800}}) {
        HRASCONN conexao = 0;
        ASSERT_EQ(Disca(entrada, "", "", &conexao), 0u);
        const auto inicio = relogio->agora;
        const int marcas[] = {0, 200, 200 + discagem, 200 + discagem + autenticacao, 86'400'001};
        for (int k = 0; k < 4; ++k)
            for (const int ms : {marcas[k], marcas[k + 1] - 1}) {
                relogio->agora = inicio + std::chrono::milliseconds(ms);
                EXPECT_EQ(EstadoDe(conexao).rasconnstate, estados[k]) << entrada << ' ' << ms;
                EXPECT_EQ(PrimeiraConexao(), conexao) << "listed from the start";
            }
        RasHangUpA(conexao);
        Avanca(1s);
    }
}

TEST_F(LinhaSimuladaTeste, UmModemSoUmaConexaoAteAPortaFechar) {
    HRASCONN primeira = 0, outra = 77;
    ASSERT_EQ(Disca(kPadrao, "", "", &primeira), 0u);
    EXPECT_EQ(Disca("Outra qualquer", "", "", &outra), ERROR_PORT_ALREADY_OPEN) << "busy wins";
    EXPECT_EQ(outra, 0u);

    EXPECT_EQ(RasHangUpA(primeira), 0u);
    Avanca(499ms);
    EXPECT_EQ(EstadoDe(primeira).rasconnstate, RASCS_Disconnected) << "the port is still closing";
    EXPECT_EQ(RasHangUpA(primeira), 0u) << "a second hang-up does not hold the port longer";
    EXPECT_EQ(Disca(kPadrao), ERROR_PORT_ALREADY_OPEN);
    Avanca(1ms);
    EstadoDe(primeira, ERROR_INVALID_HANDLE_RAS);
    EXPECT_EQ(PrimeiraConexao(), 0u);

    HRASCONN segunda = 0;
    ASSERT_EQ(Disca(kPadrao, "", "", &segunda), 0u);
    EXPECT_NE(segunda, primeira) << "a gone handle is not given out again";
    EstadoDe(primeira, ERROR_INVALID_HANDLE_RAS);
    EstadoDe(0, ERROR_INVALID_HANDLE_RAS);
}

TEST_F(LinhaSimuladaTeste, EntradaCredenciaisQuedaEErroVemDoCatalogo) {
    GravaCatalogo(
        {"[Fechado]", "Usuário=joão", "Senha=Pão1", "[Aberto]", "Queda=30", "[Ocupado]", "Erro=678"});
    for (const char* entrada : {"Outro", " Aberto", "Aberto "})
        EXPECT_EQ(Disca(entrada), ERROR_CANNOT_FIND_PHONEBOOK_ENTRY) << '"' << entrada << '"';
    EXPECT_EQ(Disca("Ocupado"), 678u);
    EXPECT_EQ(PrimeiraConexao(), 0u) << "a refused dial leaves the line free";

    // Entry, user, password, the state 2500 ms after dialling, and 30 s later with its error.
    for (const auto& [entrada, usuario, senha, fim, depois, erro] :
         {std::tuple{"Fechado", "joão", "Pão1", RASCS_Connected, RASCS_Connected, 0u},
          {"Fechado", "joão", "pão1", RASCS_Disconnected, RASCS_Disconnected, ERROR_AUTHENTICATION_FAILURE},
          {"Fechado", "", "", RASCS_Disconnected, RASCS_Disconnected, ERROR_AUTHENTICATION_FAILURE},
          {"ABERTO", "qualquer", "", RASCS_Connected, RASCS_Disconnected, ERROR_REMOTE_DISCONNECTION}}) {
        SCOPED_TRACE(std::string(entrada) + " " + senha);
        HRASCONN conexao = 0;
        ASSERT_EQ(Disca(entrada, usuario, senha, &conexao), 0u);
        Avanca(2499ms);
        EXPECT_EQ(EstadoDe(conexao).rasconnstate, RASCS_Authenticate) << "refused only after authenticating";
        Avanca(1ms);
        EXPECT_EQ(EstadoDe(conexao).rasconnstate, fim);
        Avanca(30s);
        const RASCONNSTATUSA agora = EstadoDe(conexao);
        EXPECT_EQ(agora.rasconnstate, depois);
        EXPECT_EQ(agora.dwError, erro);
        RasHangUpA(conexao);
        Avanca(1s);
    }
}

TEST_F(LinhaSimuladaTeste, OCatalogoDoUsuarioNuncaEReescrito) {
    GravaCatalogo({"[Beta]", "[Alfa]", "[Gama Ação]"});
    EXPECT_THAT(NomesDasEntradas(), ::testing::ElementsAre("Beta", "Alfa", "Gama Ação")) << "file order";
    GravaCatalogo({"; só comentário"});
    EXPECT_THAT(NomesDasEntradas(), ::testing::IsEmpty()) << "a file with text is the user's";
}

// A phonebook that is missing, holds nothing or cannot be read gets the default, what could not be
// read kept beside. A full disk leaves no file at all, so the next start makes it whole.
TEST_F(LinhaSimuladaTeste, CatalogoAusenteVazioIlegivelOuSemDiscoGanhaOPadrao) {
    const struct {
        const char* nome;
        std::function<void(const std::string&)> prepara;
        std::vector<std::string> sobra; // the folder's entries besides catalogo.ini
    } casos[] = {
        {"ausente", [](const std::string&) {}, {}},
        {"vazio", [](const std::string& c) { Grava(c, ""); }, {}},
        {"brancos", [](const std::string& c) { Grava(c, " \r\n\r\n"); }, {}},
        {"ilegível",
         [](const std::string& c) { std::filesystem::create_directory(c); },
         {"catalogo.ini.ilegivel"}},
        {"disco cheio",
         [](const std::string& c) {
             const GravacaoRecusada cheio;
             EXPECT_THAT(NomesDasEntradas(), ::testing::IsEmpty());
             EXPECT_FALSE(std::filesystem::exists(c)) << "no empty file stays behind";
         },
         {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        std::filesystem::remove_all(PastaUsuario());
        std::filesystem::create_directories(PastaUsuario());
        c.prepara(Catalogo());
        EXPECT_THAT(NomesDasEntradas(), ::testing::ElementsAre(kPadrao));
        EXPECT_EQ(Modo(Catalogo()), 0600u);
        std::vector<std::string> entradas = Entradas(PastaUsuario());
        std::erase(entradas, "catalogo.ini");
        std::erase_if(entradas, [](const std::string& e) { return e.rfind("catalogo", 0) != 0; });
        EXPECT_EQ(entradas, c.sobra);
    }
}

TEST_F(LinhaSimuladaTeste, OutroProcessoVeEDerrubaALinhaDoPrograma) {
    // The line tool is built with this test program.
    const std::filesystem::path ferramenta = FERRAMENTA_LINHA;
    ASSERT_TRUE(std::filesystem::exists(ferramenta)) << ferramenta;
    // The exit code and what the tool printed on both outputs.
    const auto executa = [&](const std::string& argumentos) {
        FILE* saida = ::popen((ferramenta.string() + " " + argumentos + " 2>&1").c_str(), "r");
        std::string texto;
        char bloco[256];
        while (std::fgets(bloco, sizeof bloco, saida))
            texto += bloco;
        const int status = ::pclose(saida);
        return std::pair{WIFEXITED(status) ? WEXITSTATUS(status) : -1, texto};
    };
    EXPECT_EQ(executa("estado"), std::make_pair(0, std::string("sem conexão\n")));
    EXPECT_EQ(executa("derruba").first, 1);

    GravaCatalogo({"[Provedor Ação]"});
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca("Provedor Ação", "", "", &conexao), 0u);
    ASSERT_EQ(EstadoDe(conexao).rasconnstate, RASCS_OpenPort) << "this process's copy is filled";
    // The tool reads the real clock, long after this test's dial.
    EXPECT_EQ(executa("estado"),
              std::make_pair(0, "conexão " + std::to_string(conexao) +
                                    ": estado 8192 RASCS_Connected, entrada \"Provedor Ação\"\n"));
    EXPECT_EQ(executa("derruba"), std::make_pair(0, std::string("linha derrubada\n")));
    EXPECT_EQ(EstadoDe(conexao).rasconnstate, RASCS_Disconnected)
        << "the other process's change is seen at once";
    EXPECT_EQ(Disca(kPadrao), ERROR_PORT_ALREADY_OPEN) << "a dropped line holds the modem";

    EXPECT_EQ(executa("importa " + PastaUsuario() + "/nada.ins").first, 1);

    for (const char* errado : {"", "estados", "estado derruba", "importa"})
        EXPECT_THAT(executa(errado), ::testing::Pair(2, ::testing::StartsWith("uso: e-telvanor-linha")))
            << errado;
}

TEST_F(LinhaSimuladaTeste, PredefinicaoAcrescentaOuSubstituiAEntradaDoMesmoNome) {
    GravaCatalogo({"; comentário", "[Alfa]", "Telefone=1", "[Beta]", "Telefone=2"});
    const std::string preset = PastaUsuario() + "/p.ins";
    Grava(preset,
          ParaCp1252("; preset\r\n[Entrada]\r\nNome=ALFA\r\nTelefone=99\r\nUsuário=u\r\nSenha=s\r\n"));
    const auto entrada = LePredefinicao(preset);
    ASSERT_TRUE(entrada);
    ASSERT_TRUE(GravaEntradaCatalogo(Catalogo(), *entrada));
    EXPECT_THAT(NomesDasEntradas(), ::testing::ElementsAre("Beta", "ALFA"));
    const auto gravada = EntradaDoCatalogo(Catalogo(), "alfa");
    ASSERT_TRUE(gravada);
    EXPECT_EQ(gravada->telefone, "99");
    EXPECT_EQ(gravada->usuario, "u");
    EXPECT_EQ(gravada->senha, "s");
    EXPECT_THAT(Conteudo(Catalogo()), ::testing::HasSubstr(ParaCp1252("; comentário")));

    Grava(preset, "[Entrada]\r\nTelefone=1\r\n");
    EXPECT_FALSE(LePredefinicao(preset)) << "a preset without a name";
    EXPECT_FALSE(LePredefinicao(PastaUsuario() + "/falta.ins"));

    // Into a phonebook that does not exist yet: the default entry comes first.
    std::filesystem::remove(Catalogo());
    ASSERT_TRUE(GravaEntradaCatalogo(Catalogo(), *entrada));
    EXPECT_THAT(NomesDasEntradas(), ::testing::ElementsAre(kPadrao, "ALFA"));
}

} // namespace

// A name the NUL-separated list cannot carry must neither end the list early nor split in two.
TEST_F(LinhaSimuladaTeste, NomeVazioOuComNulNaoEscondeNemPartemEntradas) {
    Grava(Catalogo(),
          std::string("[Um]\r\n[]\r\n[Dois]\r\n[Tr\0s]\r\n[  ]\r\n[Quatro]\r\nTelefone=4\r\n", 52));
    EXPECT_THAT(NomesDasEntradas(), ::testing::ElementsAre("Um", "Dois", "Quatro"));
    EXPECT_EQ(Disca("Tr"), ERROR_CANNOT_FIND_PHONEBOOK_ENTRY);
    EXPECT_EQ(Disca("Quatro"), 0u);
}

// Any bytes in the shared state file read as no connection, never as a state worked out from garbage;
// the next dial writes a clean record.
TEST_F(LinhaSimuladaTeste, ArquivoDeEstadoDanificadoLeComoSemConexaoEADiscagemORefaz) {
    const std::string estado = Raiz() + "/run/e-Telvanor/linha-simulada";
    HRASCONN conexao = 0;
    ASSERT_EQ(Disca(kPadrao, "", "", &conexao), 0u);
    Avanca(5s);
    ASSERT_EQ(PrimeiraConexao(), conexao);
    std::string bom = Conteudo(estado);
    ASSERT_EQ(bom.size(), sizeof(DadosLinha));
    // The good record with bytes put at the given places; the good one changes as the case loops.
    const auto Com = [&](std::initializer_list<std::pair<std::size_t, std::string>> trocas) {
        return [&bom, v = std::vector(trocas)] {
            std::string t = bom;
            for (const auto& [onde, bytes] : v)
                t.replace(onde, bytes.size(), bytes);
            return t;
        };
    };
    const std::size_t c = offsetof(DadosLinha, conexao);
    const std::string tempoEnorme(8, '\x7f');
    const struct {
        const char* nome;
        std::function<std::string()> conteudo;
    } casos[] = {
        {"booleano 2", Com({{c + offsetof(ConexaoSimulada, credenciaisAceitas), "\x02"}})},
        {"booleano 255", Com({{c + offsetof(ConexaoSimulada, derrubada), "\xff"}})},
        {"inicio perto do limite", Com({{c + offsetof(ConexaoSimulada, inicioMs), tempoEnorme}})},
        {"desligada perto do limite", Com({{c + offsetof(ConexaoSimulada, desligada), "\x01"},
                                           {c + offsetof(ConexaoSimulada, desligadaMs), tempoEnorme}})},
        {"nome sem fim",
         Com({{c + offsetof(ConexaoSimulada, entrada), std::string(RAS_MaxEntryName + 1, 'x')}})},
        {"outra versao", Com({{offsetof(DadosLinha, versao), "\x09"}})},
        {"cortado", [&] { return bom.substr(0, 10); }},
        {"vazio", [] { return std::string(); }},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const std::string conteudo = caso.conteudo();
        {
            // Written in place, as another process or a hand would, with the mapping still open.
            std::fstream f(estado, std::ios::in | std::ios::out | std::ios::binary);
            f.write(conteudo.data(), static_cast<std::streamsize>(conteudo.size()));
        }
        if (conteudo.size() < bom.size())
            std::filesystem::resize_file(estado, conteudo.size());
        EXPECT_EQ(PrimeiraConexao(), 0u);
        EXPECT_EQ(EstadoDe(conexao, ERROR_INVALID_HANDLE_RAS).rasconnstate, 0);
        ASSERT_EQ(Disca(kPadrao, "", "", &conexao), 0u);
        Avanca(5s);
        EXPECT_EQ(EstadoDe(conexao).rasconnstate, RASCS_Connected);
        bom = Conteudo(estado);
        EXPECT_EQ(bom.size(), sizeof(DadosLinha));
    }
}
