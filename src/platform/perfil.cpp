#include "platform/perfil.h"

namespace plataforma {

std::uint32_t GetPrivateProfileStringA(const char*, const char*, const char*, char* buffer,
                                       std::uint32_t tamanho, const char*) {
    if (buffer && tamanho)
        buffer[0] = '\0';
    return 0;
}

std::uint32_t GetPrivateProfileSectionNamesA(char* buffer, std::uint32_t tamanho, const char*) {
    if (buffer && tamanho >= 2)
        buffer[0] = buffer[1] = '\0';
    return 0;
}

bool WritePrivateProfileStringA(const char*, const char*, const char*, const char*) {
    return false;
}

} // namespace plataforma
