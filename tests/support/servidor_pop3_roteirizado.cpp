#include "support/servidor_pop3_roteirizado.h"

#include <QTcpSocket>
#include <QTimer>

ServidorPop3Roteirizado::ServidorPop3Roteirizado() {
    servidor_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&servidor_, &QTcpServer::newConnection, &servidor_, [this] {
        while (QTcpSocket* socket = servidor_.nextPendingConnection()) {
            ++conexoes;
            Conexao& conexao = conexoes_.emplace_back(Conexao{socket, {}, {}});
            QObject::connect(socket, &QIODevice::readyRead, socket, [this, &conexao] { Recebe(conexao); });
            QObject::connect(socket, &QAbstractSocket::disconnected, socket, [this] { ++encerradas; });
            Envia(socket, saudacao);
        }
    });
}

ServidorPop3Roteirizado::~ServidorPop3Roteirizado() {
    for (Conexao& conexao : conexoes_)
        QObject::disconnect(conexao.socket, nullptr, nullptr, nullptr);
}

std::string ServidorPop3Roteirizado::Endereco() const { return "127.0.0.1:" + std::to_string(Porta()); }

void ServidorPop3Roteirizado::Recebe(Conexao& conexao) {
    const QByteArray dados = conexao.socket->readAll();
    conexao.entrada.append(dados.constData(), static_cast<std::size_t>(dados.size()));
    for (auto fim = conexao.entrada.find("\r\n"); fim != std::string::npos;
         fim = conexao.entrada.find("\r\n")) {
        const std::string linha = conexao.entrada.substr(0, fim + 2);
        conexao.entrada.erase(0, fim + 2);
        recebidas.push_back(linha);
        Envia(conexao.socket, Responde(conexao, linha.substr(0, fim)));
    }
}

ServidorPop3Roteirizado::Resposta ServidorPop3Roteirizado::Responde(Conexao& conexao,
                                                                    const std::string& linha) {
    if (const auto roteirizada = porLinha.find(linha); roteirizada != porLinha.end())
        return roteirizada->second;
    const std::string comando = linha.substr(0, linha.find(' '));
    const std::string argumento = linha.size() > comando.size() ? linha.substr(comando.size() + 1) : "";
    if (comando == "USER")
        conexao.usuario = argumento;
    if (comando == "QUIT")
        return {{"+OK até logo\r\n"}, true};

    const auto caixa = caixas.find(conexao.usuario);
    if (caixa == caixas.end())
        return Linha("-ERR usuário desconhecido");
    if (const auto roteirizada = caixa->second.roteiro.find(comando);
        roteirizada != caixa->second.roteiro.end())
        return roteirizada->second;
    if (comando == "USER")
        return Linha("+OK");
    if (comando == "PASS")
        return Linha(argumento == caixa->second.senha ? "+OK" : "-ERR senha errada");
    if (comando == "STAT")
        return Linha(caixa->second.stat);
    return Linha("-ERR comando desconhecido");
}

void ServidorPop3Roteirizado::Envia(QTcpSocket* socket, const Resposta& resposta) {
    const auto escreve = [socket](const std::string& pedaco) {
        socket->write(pedaco.data(), static_cast<qint64>(pedaco.size()));
        socket->flush();
    };
    const auto total = static_cast<int>(resposta.pedacos.size());
    for (int i = 0; i < total; ++i) {
        if (i == 0 || resposta.intervalo.count() == 0)
            escreve(resposta.pedacos[i]);
        else
            QTimer::singleShot(resposta.intervalo * i, socket,
                               [escreve, pedaco = resposta.pedacos[i]] { escreve(pedaco); });
    }
    if (resposta.fecha)
        QTimer::singleShot(resposta.intervalo * total, socket, [socket] { socket->disconnectFromHost(); });
}
