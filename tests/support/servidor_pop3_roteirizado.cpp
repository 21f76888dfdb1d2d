#include "support/servidor_pop3_roteirizado.h"

std::string ServidorPop3Roteirizado::Endereco() const { return "127.0.0.1:" + std::to_string(Porta()); }

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
