// The checks the dial-up calls make before a service sees a record: null records, a wrong dwSize, a
// buffer too small for what is listed, texts that fill their fields.
#include "linha_simulada_ambiente.h"

#include <cstring>

using namespace plataforma;

namespace {

// Lists `total` connections and entries, and keeps what reaches it.
class ServicoContado : public ServicoDiscagem {
public:
    std::uint32_t Disca(const RASDIALPARAMSA& p, HRASCONN* conexao) override {
        ++chamadas;
        nome = p.szEntryName;
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
    std::string nome;
};

class RasTamanhosTeste : public LinhaSimuladaTeste {
protected:
    RasTamanhosTeste() { DefineServicoDiscagem(servico); }
    ~RasTamanhosTeste() override { DefineServicoDiscagem(nullptr); }
    std::shared_ptr<ServicoContado> servico = std::make_shared<ServicoContado>();
};

} // namespace

TEST_F(RasTamanhosTeste, RegistrosNulosOuDeTamanhoErradoSaoRecusadosAntesDoServico) {
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
    EXPECT_EQ(RasGetConnectStatusA(1, &estado), ERROR_INVALID_SIZE);
    RASCONNA conexoes[4]{};
    conexoes[0].dwSize = sizeof(RASENTRYNAMEA);
    EXPECT_EQ(RasEnumConnectionsA(conexoes, &bytes, &quantas), ERROR_INVALID_SIZE);
    RASENTRYNAMEA entradas[4]{};
    entradas[0].dwSize = sizeof(RASCONNA);
    EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, entradas, &bytes, &quantas), ERROR_INVALID_SIZE);

    EXPECT_EQ(RasDialA(nullptr, nullptr, nullptr, 0, nullptr, &conexao), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasGetConnectStatusA(1, nullptr), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasEnumConnectionsA(nullptr, nullptr, &quantas), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasEnumEntriesA("x", nullptr, nullptr, &bytes, &quantas), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(servico->chamadas, 0);
}

TEST_F(RasTamanhosTeste, UmBufferPequenoDemaisDevolveOsBytesNecessarios) {
    RASCONNA conexoes[3]{};
    conexoes[0].dwSize = sizeof(RASCONNA);
    std::uint32_t bytes = 2 * sizeof(RASCONNA) + 100, quantas = 7;
    EXPECT_EQ(RasEnumConnectionsA(conexoes, &bytes, &quantas), ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(bytes, 3 * sizeof(RASCONNA));
    EXPECT_EQ(quantas, 0u);
    ASSERT_EQ(RasEnumConnectionsA(conexoes, &bytes, &quantas), 0u) << "the size given back fits";
    EXPECT_EQ(quantas, 3u);
    EXPECT_EQ(conexoes[2].dwSize, sizeof(RASCONNA)) << "each record written gets its size";

    bytes = 0;
    EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, nullptr, &bytes, &quantas), ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(bytes, 3 * sizeof(RASENTRYNAMEA));
}

TEST_F(RasTamanhosTeste, TextosQueEnchemOCampoChegamCortados) {
    RASDIALPARAMSA parametros;
    std::memset(&parametros, 'A', sizeof parametros);
    parametros.dwSize = sizeof parametros;
    HRASCONN conexao = 0;
    EXPECT_EQ(RasDialA(nullptr, nullptr, &parametros, 0, nullptr, &conexao), 0u);
    EXPECT_EQ(servico->nome, std::string(256, 'A'));
    EXPECT_EQ(conexao, 9u);
}
