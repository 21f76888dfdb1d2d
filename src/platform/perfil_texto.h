// The text of a private-profile file as lines with their own endings, and the reads and edits of
// sections and keys with the Windows rules. Pure: the file itself is read and written by perfil.cpp.
// Names and values are Windows-1252 bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

struct LinhaPerfil {
    std::string texto;
    std::string fim; // "\r\n", "\n" or "" (a last line without an ending)
};

std::vector<LinhaPerfil> SeparaLinhas(std::string_view conteudo);
std::string JuntaLinhas(const std::vector<LinhaPerfil>& linhas);

// Section names in file order, and the key names of the first section called `secao`.
std::vector<std::string> NomesSecoes(const std::vector<LinhaPerfil>& linhas);
std::vector<std::string> NomesChaves(const std::vector<LinhaPerfil>& linhas, std::string_view secao);

// The value of the first key `chave` in the first section `secao`, blanks and one pair of matching
// quotes removed; nothing when the section or the key is absent.
std::optional<std::string> LeValorPerfil(const std::vector<LinhaPerfil>& linhas, std::string_view secao,
                                         std::string_view chave);

// Whether the names and the value can be written without changing the file's structure: none holds
// a line break, and a key neither holds '=' nor begins as a section or a comment would.
bool GravavelNoPerfil(std::string_view secao, std::string_view chave, std::string_view valor);

// Replaces the first matching key's value in place, or adds `chave=valor` at the end of its section,
// or the section at the end of the text. New lines take the text's own line ending (CR LF when it
// has none yet).
void GravaValorPerfil(std::vector<LinhaPerfil>& linhas, std::string_view secao, std::string_view chave,
                      std::string_view valor);

void RemoveChavePerfil(std::vector<LinhaPerfil>& linhas, std::string_view secao, std::string_view chave);
void RemoveSecaoPerfil(std::vector<LinhaPerfil>& linhas, std::string_view secao);

} // namespace plataforma
