// The checks the dial-up calls make before any service sees a record: null records, a wrong dwSize,
// a buffer too small for what is listed.
#include "linha_simulada_ambiente.h"

#include <gmock/gmock.h>

#include <cstring>

using namespace plataforma;

namespace {

// Answers with a fixed number of connections and entries and counts the calls that reach it.
class ServicoContado : public ServicoDiscagem {
public:
    std::uint32_t Disca(const RASDIALPARAMSA&, HRASCONN* conexao) override {
        ++chamadas;
        *conexao = 9;
        return 0;
    }
    std::uint32_t Estado(HRASCONN, RASCONNSTATUSA*) override { return ++chamadas, 0; }
    std::uint32_t Conexoes(RASCONNA* r, std::uint32_t capacidade, std::uint32_t* quantas) override {
        ++chamadas;
        for (std::uint32_t i = 0; i < total && i < capacidade; ++i)
            r[i].hrasconn = i + 1;
        *quantas = total;
        return 0;
    }
    std::uint32_t Desliga(HRASCONN) override { return ++chamadas, 0; }
    std::uint32_t Entradas(RASENTRYNAMEA*, std::uint32_t, std::uint32_t* quantas) override {
        ++chamadas;
        *quantas = total;
        return 0;
    }
    std::uint32_t total = 3;
    int chamadas = 0;
};

class RasTamanhosTeste : public LinhaSimuladaTeste {
protected:
    RasTamanhosTeste() { DefineServicoDiscagem(servico); }
    ~RasTamanhosTeste() override { DefineServicoDiscagem(nullptr); }
    std::shared_ptr<ServicoContado> servico = std::make_shared<ServicoContado>();
};

} // namespace

TEST_F(RasTamanhosTeste, UmRegistroDeTamanhoErradoERecusadoAntesDoServico) {
    for (std::uint32_t tamanho : {0u, 1051u, 1053u, 1060u}) {
        RASDIALPARAMSA parametros{};
        parametros.dwSize = tamanho;
        HRASCONN conexao = 0;
        EXPECT_EQ(RasDialA(nullptr, nullptr, &parametros, 0, nullptr, &conexao), ERROR_INVALID_SIZE)
            << tamanho;
    }
    for (std::uint32_t tamanho : {0u, 159u, 161u}) {
        RASCONNSTATUSA estado{};
        estado.dwSize = tamanho;
        EXPECT_EQ(RasGetConnectStatusA(1, &estado), ERROR_INVALID_SIZE) << tamanho;
    }
    RASCONNA conexoes[4]{};
    conexoes[0].dwSize = 264;
    std::uint32_t bytes = sizeof conexoes, quantas = 7;
    EXPECT_EQ(RasEnumConnectionsA(conexoes, &bytes, &quantas), ERROR_INVALID_SIZE);
    RASENTRYNAMEA entradas[4]{};
    entradas[0].dwSize = 412;
    bytes = sizeof entradas;
    EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, entradas, &bytes, &quantas), ERROR_INVALID_SIZE);
    EXPECT_EQ(servico->chamadas, 0);
}

TEST_F(RasTamanhosTeste, RegistrosNulosSaoParametrosInvalidos) {
    RASDIALPARAMSA parametros{};
    parametros.dwSize = sizeof parametros;
    HRASCONN conexao = 0;
    std::uint32_t bytes = 0, quantas = 0;
    EXPECT_EQ(RasDialA(nullptr, nullptr, nullptr, 0, nullptr, &conexao), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasDialA(nullptr, nullptr, &parametros, 0, nullptr, nullptr), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasGetConnectStatusA(1, nullptr), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasEnumConnectionsA(nullptr, nullptr, &quantas), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, nullptr, &bytes, nullptr), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasEnumEntriesA("x", nullptr, nullptr, &bytes, &quantas), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(servico->chamadas, 0);
}

TEST_F(RasTamanhosTeste, UmBufferPequenoDemaisDevolveOsBytesNecessarios) {
    // Room for two connections of the three listed, then for all three.
    RASCONNA conexoes[3]{};
    conexoes[0].dwSize = sizeof(RASCONNA);
    std::uint32_t bytes = 2 * sizeof(RASCONNA) + 100, quantas = 7;
    EXPECT_EQ(RasEnumConnectionsA(conexoes, &bytes, &quantas), ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(bytes, 3 * sizeof(RASCONNA));
    EXPECT_EQ(quantas, 0u);
    ASSERT_EQ(RasEnumConnectionsA(conexoes, &bytes, &quantas), 0u);
    EXPECT_EQ(quantas, 3u);
    for (const RASCONNA& c : conexoes)
        EXPECT_EQ(c.dwSize, sizeof(RASCONNA)) << "each record written gets its size";
    EXPECT_EQ(conexoes[2].hrasconn, 3u);

    // No buffer at all is how a caller asks for the size.
    bytes = 0;
    EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, nullptr, &bytes, &quantas), ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(bytes, 3 * sizeof(RASENTRYNAMEA));

    servico->total = 0;
    bytes = 0;
    EXPECT_EQ(RasEnumConnectionsA(nullptr, &bytes, &quantas), 0u) << "nothing listed fits anywhere";
    EXPECT_EQ(quantas, 0u);
}

// A dial record whose texts fill their fields to the last byte reaches the service cut, not overrun.
TEST_F(RasTamanhosTeste, OsTextosDoRegistroDeDiscagemChegamTerminados) {
    struct Espia : ServicoContado {
        std::uint32_t Disca(const RASDIALPARAMSA& p, HRASCONN* conexao) override {
            nome = p.szEntryName;
            usuario = p.szUserName;
            return ServicoContado::Disca(p, conexao);
        }
        std::string nome, usuario;
    };
    auto espia = std::make_shared<Espia>();
    DefineServicoDiscagem(espia);
    RASDIALPARAMSA parametros;
    std::memset(&parametros, 'A', sizeof parametros);
    parametros.dwSize = sizeof parametros;
    HRASCONN conexao = 0;
    EXPECT_EQ(RasDialA(nullptr, nullptr, &parametros, 0, nullptr, &conexao), 0u);
    EXPECT_EQ(espia->nome, std::string(256, 'A'));
    EXPECT_EQ(espia->usuario, std::string(256, 'A'));
    EXPECT_EQ(conexao, 9u);
}
