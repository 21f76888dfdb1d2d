#include "mail/lista_contas.h"

#include "mail/contas_email.h"
#include "platform/registro/configuracoes_usuario.h"
#include "platform/texto/cp1252.h"
#include "settings/configuracao.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

namespace quelza {
namespace {

void GravaConta(const ContaEmail& conta) {
    plataforma::SaveSetting(AplicacaoConfiguracoes, SecaoContasEmail, conta.NomeDaConta,
                            CodificaContaEmail(conta));
}

} // namespace

std::string LinhaConta(const ContaEmail& conta) {
    return conta.NomeDaConta + " / " + conta.Usuário + " / " + conta.Pop3;
}

std::vector<std::string> LinhasContas() {
    std::vector<std::string> linhas;
    if (TemContasEmail)
        for (const ContaEmail& conta : ContasEmail)
            linhas.push_back(LinhaConta(conta));
    return linhas;
}

std::optional<std::size_t> ContaDeMesmoNome(const std::string& titulo) {
    if (!TemContasEmail)
        return std::nullopt;
    const std::string procurado = plataforma::ParaCp1252(titulo);
    for (std::size_t i = 0; i < ContasEmail.size(); ++i)
        if (plataforma::IguaisSemCaixa(plataforma::ParaCp1252(ContasEmail[i].NomeDaConta), procurado))
            return i;
    return std::nullopt;
}

void AdicionaConta(const ContaEmail& conta) {
    if (!TemContasEmail)
        ContasEmail.clear();
    ContasEmail.push_back(conta);
    GravaConta(conta);
    TemContasEmail = true;
}

void SubstituiConta(std::size_t indice, const ContaEmail& conta) {
    // The store keeps the case a name was first written in: a title whose case changed is written
    // anew, with the whole section, so that the list keeps its order at the next start. One
    // replacement of the store, so no account is ever missing from it.
    plataforma::LoteConfiguracoes lote;
    if (ContasEmail.at(indice).NomeDaConta != conta.NomeDaConta)
        plataforma::DeleteSetting(AplicacaoConfiguracoes, SecaoContasEmail);
    ContasEmail[indice] = conta;
    for (const ContaEmail& c : ContasEmail)
        GravaConta(c);
}

void RemoveConta(std::size_t indice) {
    plataforma::DeleteSetting(AplicacaoConfiguracoes, SecaoContasEmail, ContasEmail.at(indice).NomeDaConta);
    if (ContasEmail.size() == 1)
        TemContasEmail = false;
    CarregaContasEmail(AplicacaoConfiguracoes, SecaoContasEmail);
}

} // namespace quelza
