// The text of a private-profile file, and the reads and edits of sections and keys in it with the
// Windows rules. Pure: the file itself is read and written by perfil.cpp. Names and values are
// Windows-1252 bytes. The text is walked in place, line by line, so that memory stays near the
// file's size however many lines it holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

// Section names in file order, and the key names of the first section called `secao`. Blanks around
// the names asked for are ignored, as in every call below.
std::vector<std::string> NomesSecoes(std::string_view texto);
std::vector<std::string> NomesChaves(std::string_view texto, std::string_view secao);

// The value of the first key `chave` in the first section `secao`, blanks and one pair of matching
// quotes removed; nothing when the section or the key is absent.
std::optional<std::string> LeValorPerfil(std::string_view texto, std::string_view secao,
                                         std::string_view chave);

// Whether the names and the value can be written without changing the file's structure: none holds
// a line break, and a key neither holds '=' nor begins as a section or a comment would.
bool GravavelNoPerfil(std::string_view secao, std::string_view chave, std::string_view valor);

// Replaces the first matching key's value in place, or adds `chave=valor` at the end of its section,
// or the section at the end of the text. New lines take the text's own line ending (CR LF when it
// has none yet) and the names without the blanks around them, so a later read finds them.
void GravaValorPerfil(std::string& texto, std::string_view secao, std::string_view chave,
                      std::string_view valor);

void RemoveChavePerfil(std::string& texto, std::string_view secao, std::string_view chave);
void RemoveSecaoPerfil(std::string& texto, std::string_view secao);

} // namespace plataforma
