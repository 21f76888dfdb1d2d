// Per-user application settings, kept as keys HKEY_CURRENT_USER\Software\<application>\<section> of
// the hive. Texts are UTF-8 and may hold any of the 256 Windows-1252 characters, NUL included; they
// are stored as Windows-1252, so a character outside that code page comes back as '?'.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace plataforma {

// The value, or `padrao` when the application, section or key is absent.
std::string GetSetting(const std::string& aplicacao, const std::string& secao, const std::string& chave,
                       const std::string& padrao = "");
// Creates the application and section as needed. Nothing is stored when a name is empty or holds a
// control character.
void SaveSetting(const std::string& aplicacao, const std::string& secao, const std::string& chave,
                 const std::string& valor);

// Key and value pairs of a section in the order the keys were first created; empty when none.
std::vector<std::pair<std::string, std::string>> GetAllSettings(const std::string& aplicacao,
                                                                const std::string& secao);

// The whole application with all its sections when `secao` is empty, the whole section when `chave`
// is empty, else the one key. Deleting what does not exist does nothing.
void DeleteSetting(const std::string& aplicacao, const std::string& secao = "",
                   const std::string& chave = "");

// While one lives, the calls above change the store in memory only, and its end writes them all as one
// replacement of the store (nothing when none changed it). Meant for a group of writes, such as the
// values of one tab; reads in between see the group's writes. Batches nest; the outermost one writes.
class LoteConfiguracoes {
public:
    LoteConfiguracoes();
    ~LoteConfiguracoes();
    LoteConfiguracoes(const LoteConfiguracoes&) = delete;
    LoteConfiguracoes& operator=(const LoteConfiguracoes&) = delete;
};

} // namespace plataforma
