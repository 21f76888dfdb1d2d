#include "platform/ras.h"

namespace plataforma {

std::uint32_t RasDialA(const void*, const char*, const RASDIALPARAMSA*, std::uint32_t, const void*,
                       HRASCONN*) {
    return ERROR_INVALID_PARAMETER_RAS;
}
std::uint32_t RasGetConnectStatusA(HRASCONN, RASCONNSTATUSA*) {
    return ERROR_INVALID_HANDLE_RAS;
}
std::uint32_t RasEnumConnectionsA(RASCONNA*, std::uint32_t*, std::uint32_t* quantas) {
    if (quantas)
        *quantas = 0;
    return 0;
}
std::uint32_t RasHangUpA(HRASCONN) {
    return ERROR_INVALID_HANDLE_RAS;
}
std::uint32_t RasEnumEntriesA(const char*, const char*, RASENTRYNAMEA*, std::uint32_t*,
                              std::uint32_t* quantas) {
    if (quantas)
        *quantas = 0;
    return 0;
}
void DefineServicoDiscagem(std::shared_ptr<ServicoDiscagem>) {}

} // namespace plataforma
