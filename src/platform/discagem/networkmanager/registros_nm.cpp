#include "platform/discagem/networkmanager/registros_nm.h"

namespace plataforma::nm {

void PreencheEstado(const LigacaoNm& ligacao, RASCONNSTATUSA& estado) {
    estado.rasconnstate = ligacao.estado;
    estado.dwError = ligacao.erro;
    CopiaCampo(estado.szDeviceType, ligacao.tipo);
    CopiaCampo(estado.szDeviceName, ligacao.nome);
}

std::uint32_t ListaConexoes(const std::vector<LigacaoNm>& ligacoes, RASCONNA* conexoes,
                            std::uint32_t capacidade) {
    const auto quantas = static_cast<std::uint32_t>(ligacoes.size());
    for (std::uint32_t i = 0; i < quantas && i < capacidade; ++i) {
        conexoes[i].hrasconn = ligacoes[i].conexao;
        CopiaCampo(conexoes[i].szEntryName, ligacoes[i].nome);
        CopiaCampo(conexoes[i].szDeviceType, ligacoes[i].tipo);
        CopiaCampo(conexoes[i].szDeviceName, ligacoes[i].nome);
    }
    return quantas;
}

std::uint32_t ListaEntradas(const std::vector<PerfilNm>& perfis, RASENTRYNAMEA* entradas,
                            std::uint32_t capacidade) {
    std::uint32_t total = 0;
    for (const PerfilNm& perfil : perfis) {
        if (!perfil.carregado || !perfil.discavel)
            continue;
        if (total < capacidade)
            CopiaCampo(entradas[total].szEntryName, perfil.nome);
        ++total;
    }
    return total;
}

} // namespace plataforma::nm
