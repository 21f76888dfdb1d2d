#include "mail/contas_email.h"

#include "platform/registro/configuracoes_usuario.h"
#include "settings/embaralha.h"
#include "settings/quelza.h"

namespace quelza {

std::string CodificaContaEmail(const ContaEmail& conta) {
    return Embaralha("\r" + conta.Usuário + "\r" + conta.Pop3 + "\r" + conta.Senha, ChaveCredenciais);
}

std::optional<ContaEmail> DecodificaContaEmail(const std::string& nome, const std::string& valor) {
    const std::string texto = Desembaralha(valor, ChaveCredenciais);
    const std::size_t primeiro = texto.find('\r');
    const std::size_t segundo = primeiro == std::string::npos ? primeiro : texto.find('\r', primeiro + 1);
    const std::size_t terceiro = segundo == std::string::npos ? segundo : texto.find('\r', segundo + 1);
    if (terceiro == std::string::npos)
        return std::nullopt;
    // The password is all the rest, so it may itself hold CR characters.
    return ContaEmail{nome, texto.substr(segundo + 1, terceiro - segundo - 1),
                      texto.substr(primeiro + 1, segundo - primeiro - 1), texto.substr(terceiro + 1)};
}

void CarregaContasEmail(const std::string& aplicacao, const std::string& secao) {
    const auto pares = plataforma::GetAllSettings(aplicacao, secao);
    if (pares.empty()) {
        TemContasEmail = false;
        return;
    }
    ContasEmail.clear();
    for (const auto& [nome, valor] : pares)
        if (auto conta = DecodificaContaEmail(nome, valor))
            ContasEmail.push_back(std::move(*conta));
    TemContasEmail = !ContasEmail.empty();
}

} // namespace quelza
