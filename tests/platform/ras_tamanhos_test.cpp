// The checks the dial-up calls make before the line sees a record: null records, a wrong dwSize, a
// buffer too small for what is listed, texts that fill their fields to the last byte.
#include "linha_simulada_ambiente.h"

#include <cstring>

using namespace plataforma;

TEST_F(LinhaSimuladaTeste, RegistrosNulosOuDeTamanhoErradoSaoRecusados) {
    HRASCONN conexao = 0;
    std::uint32_t bytes = 4096, quantas = 0;
    for (std::uint32_t tamanho : {0u, 1051u, 1060u}) {
        RASDIALPARAMSA parametros{};
        parametros.dwSize = tamanho;
        std::strcpy(parametros.szEntryName, "Provedor Simulado");
        EXPECT_EQ(RasDialA(nullptr, nullptr, &parametros, 0, nullptr, &conexao), ERROR_INVALID_SIZE)
            << tamanho;
    }
    RASCONNSTATUSA estado{};
    estado.dwSize = 159;
    EXPECT_EQ(RasGetConnectStatusA(1, &estado), ERROR_INVALID_SIZE);
    RASCONNA conexoes[2]{};
    conexoes[0].dwSize = sizeof(RASENTRYNAMEA);
    EXPECT_EQ(RasEnumConnectionsA(conexoes, &bytes, &quantas), ERROR_INVALID_SIZE);
    RASENTRYNAMEA entradas[2]{};
    entradas[0].dwSize = sizeof(RASCONNA);
    EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, entradas, &bytes, &quantas), ERROR_INVALID_SIZE);

    EXPECT_EQ(RasDialA(nullptr, nullptr, nullptr, 0, nullptr, &conexao), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasGetConnectStatusA(1, nullptr), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasEnumConnectionsA(nullptr, nullptr, &quantas), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(RasEnumEntriesA("x", nullptr, nullptr, &bytes, &quantas), ERROR_INVALID_PARAMETER_RAS);
    EXPECT_EQ(PrimeiraConexao(), 0u) << "no refused record dialled";
}

TEST_F(LinhaSimuladaTeste, UmBufferPequenoDemaisDevolveOsBytesNecessarios) {
    GravaCatalogo({"[Um]", "[Dois]", "[Três]"});
    RASENTRYNAMEA entradas[3]{};
    entradas[0].dwSize = sizeof(RASENTRYNAMEA);
    std::uint32_t bytes = 2 * sizeof(RASENTRYNAMEA) + 100, quantas = 7;
    EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, entradas, &bytes, &quantas), ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(bytes, 3 * sizeof(RASENTRYNAMEA));
    EXPECT_EQ(quantas, 0u);
    ASSERT_EQ(RasEnumEntriesA(nullptr, nullptr, entradas, &bytes, &quantas), 0u)
        << "the size given back fits";
    EXPECT_EQ(quantas, 3u);
    EXPECT_EQ(entradas[2].dwSize, sizeof(RASENTRYNAMEA)) << "each record written gets its size";

    ASSERT_EQ(Disca("Um"), 0u);
    bytes = 0;
    EXPECT_EQ(RasEnumConnectionsA(nullptr, &bytes, &quantas), ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(bytes, sizeof(RASCONNA));
}

TEST_F(LinhaSimuladaTeste, UmNomeQueEncheOCampoNaoLeAlemDele) {
    RASDIALPARAMSA parametros;
    std::memset(&parametros, 'A', sizeof parametros);
    parametros.dwSize = sizeof parametros;
    HRASCONN conexao = 0;
    EXPECT_EQ(RasDialA(nullptr, nullptr, &parametros, 0, nullptr, &conexao),
              ERROR_CANNOT_FIND_PHONEBOOK_ENTRY);
}
