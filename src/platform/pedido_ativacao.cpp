#include "platform/pedido_ativacao.h"

#include <algorithm>
#include <iterator>
#include <sstream>

namespace plataforma {
namespace {

constexpr std::size_t TamanhoMaximo = 1024;

bool NomeConhecido(const std::string& nome) {
    return std::any_of(std::begin(VariaveisAtivacao), std::end(VariaveisAtivacao),
                       [&](const char* v) { return nome == v; });
}

bool ValorAceito(const std::string& valor) {
    return !valor.empty() && valor.size() <= TamanhoMaximo &&
           std::all_of(valor.begin(), valor.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

} // namespace

std::string PedidoAtivacao(const TokensAtivacao& tokens) {
    std::string pedido = "ativa\n";
    for (const auto& [nome, valor] : tokens) {
        pedido += nome;
        pedido += '=';
        pedido += valor;
        pedido += '\n';
    }
    return pedido;
}

TokensAtivacao TokensDoPedido(const std::string& pedido) {
    TokensAtivacao tokens;
    std::istringstream linhas(pedido);
    std::string linha;
    while (std::getline(linhas, linha)) {
        const std::size_t igual = linha.find('=');
        if (igual == std::string::npos)
            continue;
        std::string nome = linha.substr(0, igual);
        std::string valor = linha.substr(igual + 1);
        if (NomeConhecido(nome) && ValorAceito(valor))
            tokens.emplace_back(std::move(nome), std::move(valor));
    }
    return tokens;
}

} // namespace plataforma
