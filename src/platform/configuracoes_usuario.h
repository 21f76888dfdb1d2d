// Per-user application settings, kept as keys HKEY_CURRENT_USER\Software\<application>\<section> of
// the hive. Texts are UTF-8 and may hold any of the 256 Windows-1252 characters, NUL included.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace plataforma {

std::string GetSetting(const std::string& aplicacao, const std::string& secao, const std::string& chave,
                       const std::string& padrao = "");
void SaveSetting(const std::string& aplicacao, const std::string& secao, const std::string& chave,
                 const std::string& valor);

// Key and value pairs of a section in the order the keys were first created; empty when none.
std::vector<std::pair<std::string, std::string>> GetAllSettings(const std::string& aplicacao,
                                                                const std::string& secao);

// The whole application when `secao` is empty, the whole section when `chave` is empty.
void DeleteSetting(const std::string& aplicacao, const std::string& secao = "",
                   const std::string& chave = "");

} // namespace plataforma
