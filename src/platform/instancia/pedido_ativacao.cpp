#include "platform/instancia/pedido_ativacao.h"

#include <algorithm>
#include <iterator>
#include <sstream>

namespace plataforma {
namespace {

constexpr const char* LinhaPedido = "ativa";

constexpr std::size_t MaiorPedido() {
    std::size_t tamanho = std::char_traits<char>::length(LinhaPedido) + 1;
    for (const char* nome : VariaveisAtivacao)
        tamanho += std::char_traits<char>::length(nome) + 1 + TamanhoMaximoToken + 1;
    return tamanho;
}
static_assert(MaiorPedido() <= TamanhoMaximoPedido);

bool NomeConhecido(const std::string& nome) {
    return std::any_of(std::begin(VariaveisAtivacao), std::end(VariaveisAtivacao),
                       [&](const char* v) { return nome == v; });
}

bool ValorAceito(const std::string& valor) {
    return !valor.empty() && valor.size() <= TamanhoMaximoToken &&
           std::all_of(valor.begin(), valor.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

bool TokenAceito(const std::string& nome, const std::string& valor) {
    return NomeConhecido(nome) && ValorAceito(valor);
}

} // namespace

std::string PedidoAtivacao(const TokensAtivacao& tokens) {
    std::string pedido = std::string(LinhaPedido) + '\n';
    for (const auto& [nome, valor] : tokens) {
        if (!TokenAceito(nome, valor))
            continue;
        pedido += nome;
        pedido += '=';
        pedido += valor;
        pedido += '\n';
    }
    return pedido;
}

std::optional<TokensAtivacao> TokensDoPedido(const std::string& pedido) {
    std::istringstream linhas(pedido);
    std::string linha;
    if (!std::getline(linhas, linha) || linha != LinhaPedido)
        return std::nullopt;
    TokensAtivacao tokens;
    while (std::getline(linhas, linha)) {
        const std::size_t igual = linha.find('=');
        if (igual == std::string::npos)
            continue;
        std::string nome = linha.substr(0, igual);
        std::string valor = linha.substr(igual + 1);
        if (TokenAceito(nome, valor))
            tokens.emplace_back(std::move(nome), std::move(valor));
    }
    return tokens;
}

} // namespace plataforma
