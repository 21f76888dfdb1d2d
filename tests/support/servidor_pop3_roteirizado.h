// A POP3 server on a loopback port for tests and benchmarks, on the caller's own thread (it works
// while the client's wait serves events). Mailboxes answer USER, PASS, STAT and QUIT as a server
// would; a script can replace any reply of a user, or the greeting, with pieces written apart and
// delayed, silence, garbage, or a closed connection. Every line received is kept as it arrived.
#pragma once

#include <QTcpServer>

#include <chrono>
#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <vector>

class QTcpSocket;

class ServidorPop3Roteirizado {
public:
    // What the server does in reply: write each piece in turn, `intervalo` apart, then close the
    // connection if asked. No pieces and no close is a stall.
    struct Resposta {
        std::vector<std::string> pedacos;
        bool fecha = false;
        std::chrono::milliseconds intervalo{0};
    };
    static Resposta Linha(const std::string& texto) { return {{texto + "\r\n"}}; }
    static Resposta Silencio() { return {}; }
    static Resposta Fecha() { return {{}, true}; }

    struct Caixa {
        std::string senha;
        std::string stat = "+OK 0 0";
        // Replies by command word ("USER", "PASS", "STAT"), in place of the mailbox's own.
        std::map<std::string, Resposta> roteiro;
    };

    ServidorPop3Roteirizado();
    ~ServidorPop3Roteirizado();

    std::uint16_t Porta() const { return servidor_.serverPort(); }
    // "127.0.0.1:port", as an account's server field.
    std::string Endereco() const;

    std::map<std::string, Caixa> caixas;
    // Replies by the whole line received (without its CR LF), ahead of the mailboxes: the dialogue
    // of another protocol.
    std::map<std::string, Resposta> porLinha;
    Resposta saudacao = Linha("+OK pronto");
    std::vector<std::string> recebidas; // CR LF included
    int conexoes = 0;
    int encerradas = 0; // connections the client closed or the server ended

private:
    struct Conexao {
        QTcpSocket* socket;
        std::string entrada;
        std::string usuario;
    };
    void Recebe(Conexao& conexao);
    Resposta Responde(Conexao& conexao, const std::string& linha);
    void Envia(QTcpSocket* socket, const Resposta& resposta);

    QTcpServer servidor_;
    std::list<Conexao> conexoes_;
};
