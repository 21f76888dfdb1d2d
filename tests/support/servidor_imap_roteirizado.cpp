#include "support/servidor_imap_roteirizado.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

// The size of the literal a line announces at its end, and whether the client waits for "+".
std::pair<std::size_t, bool> Literal(const std::string& linha) {
    const auto abre = linha.rfind('{');
    if (!linha.ends_with('}') || abre == std::string::npos)
        return {0, false};
    const bool semEspera = linha[linha.size() - 2] == '+';
    return {std::stoul(linha.substr(abre + 1)), !semEspera};
}

// The astring at the start of `texto` (after one blank, if any), taken out of it.
std::string TiraCadeia(std::string& texto) {
    if (texto.starts_with(' '))
        texto.erase(0, 1);
    std::string cadeia;
    if (texto.starts_with('"')) {
        std::size_t i = 1;
        for (; i < texto.size() && texto[i] != '"'; ++i) {
            if (texto[i] == '\\')
                ++i;
            cadeia += texto[i];
        }
        texto.erase(0, i + 1);
    } else if (texto.starts_with('{')) {
        const auto fim = texto.find("}\r\n");
        const std::size_t tamanho = std::stoul(texto.substr(1));
        cadeia = texto.substr(fim + 3, tamanho);
        texto.erase(0, fim + 3 + tamanho);
    } else {
        const auto fim = std::min(texto.find(' '), texto.size());
        cadeia = texto.substr(0, fim);
        texto.erase(0, fim);
    }
    return cadeia;
}

} // namespace

std::string ServidorImapRoteirizado::Endereco() const {
    return "imap://127.0.0.1:" + std::to_string(Porta());
}

// A command arrives in lines; a literal inside it may hold line ends of its own.
ServidorImapRoteirizado::Resposta ServidorImapRoteirizado::Responde(Conexao& conexao,
                                                                    const std::string& linha) {
    std::string texto = linha + "\r\n";
    if (conexao.literal > 0) {
        const std::size_t parte = std::min(conexao.literal, texto.size());
        conexao.comando += texto.substr(0, parte);
        conexao.literal -= parte;
        texto.erase(0, parte);
        if (texto.empty())
            return Silencio();
    }
    texto.resize(texto.size() - 2);
    conexao.comando += texto;
    if (const auto [tamanho, espera] = Literal(texto); tamanho > 0) {
        conexao.comando += "\r\n";
        conexao.literal = tamanho;
        return espera ? Linha("+ pode mandar") : Silencio();
    }
    return Executa(conexao, std::exchange(conexao.comando, {}));
}

ServidorImapRoteirizado::Resposta ServidorImapRoteirizado::Executa(Conexao& conexao, std::string comando) {
    const std::string tag = TiraCadeia(comando);
    std::string palavra = TiraCadeia(comando);
    std::transform(palavra.begin(), palavra.end(), palavra.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    if (palavra == "LOGIN")
        conexao.usuario = TiraCadeia(comando);
    if (const auto roteirizada = roteiro.find(palavra); roteirizada != roteiro.end()) {
        Resposta resposta = roteirizada->second;
        for (std::string& pedaco : resposta.pedacos)
            for (auto pos = pedaco.find("<tag>"); pos != std::string::npos; pos = pedaco.find("<tag>"))
                pedaco.replace(pos, 5, tag);
        return resposta;
    }
    const auto caixa = caixas.find(conexao.usuario);
    if (palavra == "CAPABILITY")
        return {{"* CAPABILITY " + capacidades + "\r\n" + tag + " OK\r\n"}};
    if (palavra == "LOGIN")
        return Linha(tag + (caixa != caixas.end() && TiraCadeia(comando) == caixa->second.senha
                                ? " OK entrou"
                                : " NO [AUTHENTICATIONFAILED] senha errada"));
    if (palavra == "STATUS" && caixa != caixas.end())
        return {
            {"* STATUS INBOX (UNSEEN " + std::to_string(caixa->second.naoLidas) + ")\r\n" + tag + " OK\r\n"}};
    if (palavra == "LOGOUT")
        return {{"* BYE até logo\r\n" + tag + " OK\r\n"}, true};
    return Linha(tag + " BAD comando desconhecido");
}
