#include "support/servidor_roteirizado.h"

#include <QTcpSocket>
#include <QTimer>

ServidorRoteirizado::ServidorRoteirizado(Resposta saudacaoInicial) : saudacao(std::move(saudacaoInicial)) {
    servidor_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&servidor_, &QTcpServer::newConnection, &servidor_, [this] {
        while (QTcpSocket* socket = servidor_.nextPendingConnection()) {
            ++conexoes;
            Conexao& conexao = conexoes_.emplace_back(Conexao{socket, {}, {}, {}, 0});
            QObject::connect(socket, &QIODevice::readyRead, socket, [this, &conexao] { Recebe(conexao); });
            QObject::connect(socket, &QAbstractSocket::disconnected, socket, [this] { ++encerradas; });
            Envia(socket, saudacao);
        }
    });
}

ServidorRoteirizado::~ServidorRoteirizado() {
    for (Conexao& conexao : conexoes_)
        QObject::disconnect(conexao.socket, nullptr, nullptr, nullptr);
}

void ServidorRoteirizado::Recebe(Conexao& conexao) {
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

void ServidorRoteirizado::Envia(QTcpSocket* socket, const Resposta& resposta) {
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
