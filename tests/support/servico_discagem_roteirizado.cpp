#include "support/servico_discagem_roteirizado.h"

#include "platform/texto/cp1252.h"

#include <algorithm>
#include <cstring>

using namespace plataforma;

namespace {

template <std::size_t N> void Copia(char (&campo)[N], const std::string& utf8) {
    const std::string ansi = ParaCp1252(utf8);
    const std::size_t n = std::min(ansi.size(), N - 1);
    std::memcpy(campo, ansi.data(), n);
    campo[n] = '\0';
}

} // namespace

std::uint32_t ServicoDiscagemRoteirizado::Disca(const RASDIALPARAMSA& parametros, HRASCONN* conexao) {
    discagens.push_back(parametros);
    *conexao = handleDiscagem;
    return codigoDiscagem;
}

std::uint32_t ServicoDiscagemRoteirizado::Estado(HRASCONN conexao, RASCONNSTATUSA* estado) {
    const auto c = std::find_if(conexoes.begin(), conexoes.end(),
                                [conexao](const Conexao& candidata) { return candidata.handle == conexao; });
    if (conexao == 0 || c == conexoes.end())
        return ERROR_INVALID_HANDLE_RAS;
    estado->rasconnstate = c->estado;
    return 0;
}

std::uint32_t ServicoDiscagemRoteirizado::Conexoes(RASCONNA* registros, std::uint32_t capacidade,
                                                   std::uint32_t* quantas) {
    if (codigoListagem != 0)
        return codigoListagem;
    *quantas = static_cast<std::uint32_t>(conexoes.size());
    for (std::size_t i = 0; i < conexoes.size() && i < capacidade; ++i) {
        registros[i].hrasconn = conexoes[i].handle;
        Copia(registros[i].szEntryName, conexoes[i].entrada);
    }
    return 0;
}

std::uint32_t ServicoDiscagemRoteirizado::Desliga(HRASCONN conexao) {
    desligamentos.push_back(conexao);
    return 0;
}

std::uint32_t ServicoDiscagemRoteirizado::Entradas(RASENTRYNAMEA* registros, std::uint32_t capacidade,
                                                   std::uint32_t* quantas) {
    *quantas = static_cast<std::uint32_t>(entradas.size());
    for (std::size_t i = 0; i < entradas.size() && i < capacidade; ++i)
        Copia(registros[i].szEntryName, entradas[i]);
    return 0;
}
