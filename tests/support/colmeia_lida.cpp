#include "support/colmeia_lida.h"

#include "platform/registro/colmeia_arquivo.h"
#include "platform/registro/registro_api.h"
#include "platform/texto/cp1252.h"

std::optional<ValorRegistro> LeValorRegistro(const std::string& chave, const std::string& nome) {
    const auto colmeia = plataforma::LeColmeia();
    const plataforma::ChaveColmeia* achada = colmeia ? colmeia->Acha(plataforma::ParaCp1252(chave)) : nullptr;
    const plataforma::ValorColmeia* valor = achada ? achada->Valor(plataforma::ParaCp1252(nome)) : nullptr;
    if (!valor)
        return std::nullopt;
    ValorRegistro lido{valor->tipo, valor->dados};
    if (lido.tipo == plataforma::REG_SZ)
        lido.dados.push_back('\0');
    return lido;
}

bool ExisteChaveRegistro(const std::string& chave) {
    const auto colmeia = plataforma::LeColmeia();
    return colmeia && colmeia->Existe(plataforma::ParaCp1252(chave));
}
