#include "platform/configuracoes_usuario.h"

namespace plataforma {

std::string GetSetting(const std::string&, const std::string&, const std::string&,
                       const std::string& padrao) {
    return padrao;
}
void SaveSetting(const std::string&, const std::string&, const std::string&, const std::string&) {}
std::vector<std::pair<std::string, std::string>> GetAllSettings(const std::string&, const std::string&) {
    return {};
}
void DeleteSetting(const std::string&, const std::string&, const std::string&) {}

} // namespace plataforma
