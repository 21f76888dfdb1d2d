// A scripted POP3 server on a loopback port: mailboxes answer USER, PASS, STAT and QUIT as a server
// would; a script can replace any reply of a user, or the greeting.
#pragma once

#include "support/servidor_roteirizado.h"

#include <map>
#include <string>

class ServidorPop3Roteirizado : public ServidorRoteirizado {
public:
    struct Caixa {
        std::string senha;
        std::string stat = "+OK 0 0";
        // Replies by command word ("USER", "PASS", "STAT"), in place of the mailbox's own.
        std::map<std::string, Resposta> roteiro;
    };

    ServidorPop3Roteirizado() : ServidorRoteirizado(Linha("+OK pronto")) {}

    // "127.0.0.1:port", as an account's server field.
    std::string Endereco() const;

    std::map<std::string, Caixa> caixas;
    // Replies by the whole line received (without its CR LF), ahead of the mailboxes: the dialogue
    // of another protocol.
    std::map<std::string, Resposta> porLinha;

private:
    Resposta Responde(Conexao& conexao, const std::string& linha) override;
};
