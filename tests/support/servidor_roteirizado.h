// A line server on a loopback port for tests and benchmarks, on the caller's own thread (it works
// while the client's wait serves events). The protocol's part answers each line received; its
// replies, and the scripts that replace them, are pieces written apart and delayed, silence,
// garbage, or a closed connection. Every line received is kept as it arrived.
#pragma once

#include <QTcpServer>

#include <chrono>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

class QTcpSocket;

class ServidorRoteirizado {
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

    virtual ~ServidorRoteirizado();
    ServidorRoteirizado(const ServidorRoteirizado&) = delete;
    ServidorRoteirizado& operator=(const ServidorRoteirizado&) = delete;

    std::uint16_t Porta() const { return servidor_.serverPort(); }

    Resposta saudacao;
    std::vector<std::string> recebidas; // CR LF included
    int conexoes = 0;
    int encerradas = 0; // connections the client closed or the server ended

protected:
    explicit ServidorRoteirizado(Resposta saudacaoInicial);

    struct Conexao {
        QTcpSocket* socket;
        std::string entrada;
        std::string usuario;
        std::string comando;     // a command whose literals are still coming
        std::size_t literal = 0; // bytes of a literal still to come
    };
    // The reply to one line, without its CR LF.
    virtual Resposta Responde(Conexao& conexao, const std::string& linha) = 0;

private:
    void Recebe(Conexao& conexao);
    static void Envia(QTcpSocket* socket, const Resposta& resposta);

    QTcpServer servidor_;
    std::list<Conexao> conexoes_;
};
