#include "platform/configuracoes_usuario.h"
#include "settings/configuracao.h"
#include "settings/embaralha.h"
#include "settings/padroes_iniciais.h"
#include "settings/quelza.h"

namespace quelza {

// The previous version kept the access and the account values in plain text; they are carried over
// scrambled and its settings are deleted, so this runs once.
void MigraVersãoAnterior() {
    using plataforma::GetSetting;
    using plataforma::SaveSetting;

    if (GetSetting(AplicacaoAnterior, "ini", "Y").empty())
        return;

    AcessoDialUp = GetSetting(AplicacaoAnterior, "Acesso", "DialUp");
    UsuárioAcesso = GetSetting(AplicacaoAnterior, "Acesso", "Usuário");
    SenhaAcesso = GetSetting(AplicacaoAnterior, "Acesso", "Senha");
    SaveSetting(AplicacaoConfiguracoes, "Acesso", "DialUp", Embaralha(AcessoDialUp, ChaveCredenciais));
    SaveSetting(AplicacaoConfiguracoes, "Acesso", "Usuário", Embaralha(UsuárioAcesso, ChaveCredenciais));
    SaveSetting(AplicacaoConfiguracoes, "Acesso", "Senha", Embaralha(SenhaAcesso, ChaveCredenciais));

    const auto contas = plataforma::GetAllSettings(AplicacaoAnterior, "Email");
    if (contas.empty()) {
        plataforma::DeleteSetting(AplicacaoAnterior);
        TemContasEmail = false;
        return;
    }

    TemContasEmail = true;
    ContasEmail.assign(contas.size(), ContaEmail{});
    for (std::size_t i = 0; i < contas.size(); ++i) {
        ContasEmail[i].NomeDaConta = contas[i].first;
        SaveSetting(AplicacaoConfiguracoes, "Email", contas[i].first,
                    Embaralha(contas[i].second, ChaveCredenciais));
    }
    plataforma::DeleteSetting(AplicacaoAnterior);
    DefinePadroesIniciais();
    SalvaPadroesIniciais();
}

} // namespace quelza
