// The dial-up stand-ins called as the program calls them, for the tests of each dial-up service:
// names in UTF-8, put into the records in the code page they hold.
#pragma once

#include "platform/cp1252.h"
#include "platform/ras.h"

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
