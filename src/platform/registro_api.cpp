#include "platform/registro_api.h"

namespace plataforma {

std::int32_t RegCreateKeyA(HKEY, const char*, HKEY*) {
    return ERROR_ACCESS_DENIED;
}
std::int32_t RegOpenKeyExA(HKEY, const char*, std::uint32_t, std::uint32_t, HKEY*) {
    return ERROR_FILE_NOT_FOUND;
}
std::int32_t RegSetValueExA(HKEY, const char*, std::uint32_t, std::uint32_t, const std::uint8_t*,
                            std::uint32_t) {
    return ERROR_INVALID_HANDLE;
}
std::int32_t RegCloseKey(HKEY) {
    return ERROR_INVALID_HANDLE;
}

} // namespace plataforma
