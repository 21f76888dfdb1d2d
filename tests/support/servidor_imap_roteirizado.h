// A scripted IMAP server on a loopback port: CAPABILITY, LOGIN (quoted strings and literals, with
// or without the go-ahead), STATUS INBOX (UNSEEN) and LOGOUT answered as a server would; a script can
// replace the reply to any command, or the greeting.
#pragma once

#include "support/servidor_roteirizado.h"

#include <map>
#include <string>

class ServidorImapRoteirizado : public ServidorRoteirizado {
public:
    struct Caixa {
        std::string senha;
        int naoLidas = 0;
    };

    ServidorImapRoteirizado() : ServidorRoteirizado(Linha("* OK pronto")) {}

    // "imap://127.0.0.1:port", as an account's server field.
    std::string Endereco() const;

    std::map<std::string, Caixa> caixas;
    std::string capacidades = "IMAP4rev1";
    // Replies by command word ("CAPABILITY", "LOGIN", "STATUS"), in place of the server's own;
    // "<tag>" in a piece stands for the command's tag.
    std::map<std::string, Resposta> roteiro;

private:
    Resposta Responde(Conexao& conexao, const std::string& linha) override;
    Resposta Executa(Conexao& conexao, std::string comando);
};
