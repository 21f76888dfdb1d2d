// One POP3 account as the program keeps it in memory.
#pragma once

#include <string>

struct ContaEmail {
    std::string NomeDaConta;
    std::string Pop3;
    std::string Usuário;
    std::string Senha;
    bool operator==(const ContaEmail&) const = default;
};
