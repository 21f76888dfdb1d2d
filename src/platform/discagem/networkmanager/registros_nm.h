// The dial-up records as NetworkManager's profiles and connections fill them.
#pragma once

#include "platform/discagem/networkmanager/ligacao_nm.h"
#include "platform/discagem/networkmanager/perfil_nm.h"
#include "platform/discagem/ras.h"

#include <cstdint>
#include <vector>

namespace plataforma::nm {

void PreencheEstado(const LigacaoNm& ligacao, RASCONNSTATUSA& estado);

// Both listings write at most `capacidade` records and answer the whole count.
std::uint32_t ListaConexoes(const std::vector<LigacaoNm>& ligacoes, RASCONNA* conexoes,
                            std::uint32_t capacidade);
// The entries are the loaded profiles of the dial-up kinds.
std::uint32_t ListaEntradas(const std::vector<PerfilNm>& perfis, RASENTRYNAMEA* entradas,
                            std::uint32_t capacidade);

} // namespace plataforma::nm
