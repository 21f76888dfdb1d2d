#include "platform/configuracoes_usuario.h"
#include "settings/configuracao.h"
#include "settings/embaralha.h"
#include "settings/quelza.h"

namespace quelza {

void SalvaAcesso(const std::string& acesso, const std::string& usuario, const std::string& senha) {
    plataforma::SaveSetting(AplicacaoConfiguracoes, "Acesso", "DialUp", Embaralha(acesso, ChaveCredenciais));
    plataforma::SaveSetting(AplicacaoConfiguracoes, "Acesso", "Usuário",
                            Embaralha(usuario, ChaveCredenciais));
    plataforma::SaveSetting(AplicacaoConfiguracoes, "Acesso", "Senha", Embaralha(senha, ChaveCredenciais));
    AcessoDialUp = acesso;
    UsuárioAcesso = usuario;
    SenhaAcesso = senha;
}

void CarregaAcesso() {
    auto le = [](const char* chave) {
        return Desembaralha(plataforma::GetSetting(AplicacaoConfiguracoes, "Acesso", chave),
                            ChaveCredenciais);
    };
    AcessoDialUp = le("DialUp");
    UsuárioAcesso = le("Usuário");
    SenhaAcesso = le("Senha");
}

} // namespace quelza
