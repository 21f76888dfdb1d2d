#include "settings/configuracao.h"
#include "settings/tabela_configuracoes.h"

namespace quelza {

void SalvaAcesso(const std::string& acesso, const std::string& usuario, const std::string& senha) {
    AcessoDialUp = acesso;
    UsuárioAcesso = usuario;
    SenhaAcesso = senha;
    GravaConfiguracoes(tabela::Acesso);
}

void CarregaAcesso() {
    for (const LinhaConfiguracao* linha : tabela::Acesso)
        LeConfiguracao(*linha);
}

} // namespace quelza
