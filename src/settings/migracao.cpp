#include "platform/registro/configuracoes_usuario.h"
#include "settings/configuracao.h"
#include "settings/embaralha.h"
#include "settings/padroes_iniciais.h"
#include "settings/tabela_configuracoes.h"

namespace quelza {
namespace {

std::string DaVersaoAnterior(const LinhaConfiguracao& linha) {
    return plataforma::GetSetting(AplicacaoAnterior, linha.secao, linha.chave);
}

} // namespace

// The previous version kept the access and the account values in plain text; they are carried over
// scrambled and its settings are deleted, so this runs once. The whole move is one replacement of the
// store: a crash leaves either both versions' settings as they were or the move done.
void MigraVersãoAnterior() {
    if (DaVersaoAnterior(tabela::PosiçãoY).empty())
        return;

    const plataforma::LoteConfiguracoes lote;
    AcessoDialUp = DaVersaoAnterior(tabela::AcessoDialUp);
    UsuárioAcesso = DaVersaoAnterior(tabela::UsuárioAcesso);
    SenhaAcesso = DaVersaoAnterior(tabela::SenhaAcesso);
    GravaConfiguracoes(tabela::Acesso);

    const auto contas = plataforma::GetAllSettings(AplicacaoAnterior, SecaoContasEmail);
    if (contas.empty()) {
        plataforma::DeleteSetting(AplicacaoAnterior);
        TemContasEmail = false;
        return;
    }

    TemContasEmail = true;
    ContasEmail.assign(contas.size(), ContaEmail{});
    for (std::size_t i = 0; i < contas.size(); ++i) {
        ContasEmail[i].NomeDaConta = contas[i].first;
        plataforma::SaveSetting(AplicacaoConfiguracoes, SecaoContasEmail, contas[i].first,
                                Embaralha(contas[i].second, ChaveCredenciais));
    }
    plataforma::DeleteSetting(AplicacaoAnterior);
    DefinePadroesIniciais();
    SalvaPadroesIniciais();
}

} // namespace quelza
