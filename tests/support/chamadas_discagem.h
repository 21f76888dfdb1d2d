// The dial-up stand-ins called as the program calls them, for the tests of each dial-up service:
// names in UTF-8, put into and read from the records in the code page they hold.
#pragma once

#include "platform/discagem/ras.h"
#include "platform/texto/cp1252.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

inline std::uint32_t Disca(const std::string& entrada, const std::string& usuario = "",
                           const std::string& senha = "", plataforma::HRASCONN* conexao = nullptr) {
    plataforma::RASDIALPARAMSA parametros{};
    parametros.dwSize = sizeof parametros;
    std::strncpy(parametros.szEntryName, plataforma::ParaCp1252(entrada).c_str(),
                 plataforma::RAS_MaxEntryName);
    std::strncpy(parametros.szUserName, plataforma::ParaCp1252(usuario).c_str(), plataforma::UNLEN);
    std::strncpy(parametros.szPassword, plataforma::ParaCp1252(senha).c_str(), plataforma::PWLEN);
    plataforma::HRASCONN handle = 0;
    const std::uint32_t codigo =
        plataforma::RasDialA(nullptr, nullptr, &parametros, 0xFFFFFFFF, nullptr, &handle);
    if (conexao)
        *conexao = handle;
    return codigo;
}

// A connection's status; `codigo`, when given, gets the call's result.
inline plataforma::RASCONNSTATUSA Estado(plataforma::HRASCONN conexao, std::uint32_t* codigo = nullptr) {
    plataforma::RASCONNSTATUSA estado{};
    estado.dwSize = sizeof estado;
    const std::uint32_t resultado = plataforma::RasGetConnectStatusA(conexao, &estado);
    if (codigo)
        *codigo = resultado;
    return estado;
}

// The connections the service lists: handle and entry name in UTF-8.
struct LinhaListada {
    plataforma::HRASCONN conexao;
    std::string nome;
};
inline std::vector<LinhaListada> Conexoes() {
    static plataforma::RASCONNA conexoes[16];
    conexoes[0].dwSize = sizeof(plataforma::RASCONNA);
    std::uint32_t bytes = sizeof conexoes, quantas = 0;
    EXPECT_EQ(plataforma::RasEnumConnectionsA(conexoes, &bytes, &quantas), 0u);
    std::vector<LinhaListada> linhas;
    for (std::uint32_t i = 0; i < quantas; ++i)
        linhas.push_back({conexoes[i].hrasconn, plataforma::DeCp1252(conexoes[i].szEntryName)});
    return linhas;
}

// The names the service lists, in UTF-8.
inline std::vector<std::string> NomesDasEntradas() {
    static plataforma::RASENTRYNAMEA entradas[64];
    entradas[0].dwSize = sizeof(plataforma::RASENTRYNAMEA);
    std::uint32_t bytes = sizeof entradas, quantas = 0;
    EXPECT_EQ(plataforma::RasEnumEntriesA(nullptr, nullptr, entradas, &bytes, &quantas), 0u);
    std::vector<std::string> nomes;
    for (std::uint32_t i = 0; i < quantas; ++i)
        nomes.push_back(plataforma::DeCp1252(entradas[i].szEntryName));
    return nomes;
}
