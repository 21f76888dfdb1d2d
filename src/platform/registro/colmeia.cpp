#include "platform/registro/colmeia.h"

#include "platform/arquivos/pastas.h"
#include "platform/registro/colmeia_arquivo.h"
#include "platform/registro/registro_api.h"
#include "platform/texto/cp1252.h"

namespace plataforma {

std::string ArquivoColmeia() { return PastaUsuario() + "/registro.reg"; }

std::optional<ValorRegistro> LeValorRegistro(const std::string& chave, const std::string& nome) {
    const auto colmeia = LeColmeia();
    const ChaveColmeia* achada = colmeia ? colmeia->Acha(ParaCp1252(chave)) : nullptr;
    const ValorColmeia* valor = achada ? achada->Valor(ParaCp1252(nome)) : nullptr;
    if (!valor)
        return std::nullopt;
    ValorRegistro lido{valor->tipo, valor->dados};
    if (lido.tipo == REG_SZ)
        lido.dados.push_back('\0');
    return lido;
}

bool ExisteChaveRegistro(const std::string& chave) {
    const auto colmeia = LeColmeia();
    return colmeia && colmeia->Existe(ParaCp1252(chave));
}

} // namespace plataforma
