#include "linha_simulada_ambiente.h"

#include "platform/cp1252.h"

#include <cstring>
#include <filesystem>

using namespace plataforma;

LinhaSimuladaTeste::LinhaSimuladaTeste() {
    std::filesystem::create_directories(PastaUsuario());
    std::filesystem::create_directories(std::filesystem::path(ArquivoEstado()).parent_path());
    DefineRelogio(relogio);
    DefineServicoDiscagem(nullptr);
}

LinhaSimuladaTeste::~LinhaSimuladaTeste() { DefineRelogio(nullptr); }

void LinhaSimuladaTeste::GravaCatalogo(std::initializer_list<const char*> linhas) {
    std::string texto;
    for (const char* linha : linhas)
        texto += ParaCp1252(linha) + "\r\n";
    Grava(Catalogo(), texto);
}

std::uint32_t LinhaSimuladaTeste::Disca(const std::string& entrada, const std::string& usuario,
                                        const std::string& senha, HRASCONN* conexao) {
    RASDIALPARAMSA parametros{};
    parametros.dwSize = sizeof parametros;
    std::strncpy(parametros.szEntryName, ParaCp1252(entrada).c_str(), RAS_MaxEntryName);
    std::strncpy(parametros.szUserName, ParaCp1252(usuario).c_str(), UNLEN);
    std::strncpy(parametros.szPassword, ParaCp1252(senha).c_str(), PWLEN);
    HRASCONN handle = 0;
    const std::uint32_t codigo = RasDialA(nullptr, nullptr, &parametros, 0xFFFFFFFF, this, &handle);
    if (conexao)
        *conexao = handle;
    return codigo;
}

LinhaSimuladaTeste::Estado LinhaSimuladaTeste::EstadoDe(HRASCONN conexao) {
    RASCONNSTATUSA estado{};
    estado.dwSize = sizeof estado;
    const std::uint32_t codigo = RasGetConnectStatusA(conexao, &estado);
    return {codigo, estado.rasconnstate, estado.dwError};
}

HRASCONN LinhaSimuladaTeste::PrimeiraConexao() {
    RASCONNA conexoes[4]{};
    conexoes[0].dwSize = sizeof(RASCONNA);
    std::uint32_t bytes = sizeof conexoes;
    std::uint32_t quantas = 0;
    EXPECT_EQ(RasEnumConnectionsA(conexoes, &bytes, &quantas), 0u);
    EXPECT_LE(quantas, 1u) << "one modem, one connection";
    return quantas ? conexoes[0].hrasconn : 0;
}

std::vector<std::string> LinhaSimuladaTeste::Nomes() {
    RASENTRYNAMEA entradas[8]{};
    entradas[0].dwSize = sizeof(RASENTRYNAMEA);
    std::uint32_t bytes = sizeof entradas;
    std::uint32_t quantas = 0;
    EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, entradas, &bytes, &quantas), 0u);
    std::vector<std::string> nomes;
    for (std::uint32_t i = 0; i < quantas; ++i)
        nomes.push_back(DeCp1252(entradas[i].szEntryName));
    return nomes;
}
