// The simulated line's phonebook: a private-profile file with one section per entry, in file order.
// Reading it, creating the default one and adding entries from provider presets; dialling is
// linha_simulada.h's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plataforma {

inline constexpr const char* EntradaPadraoCatalogo = "Provedor Simulado";

// One entry. Texts are Windows-1252 bytes, as stored.
struct EntradaCatalogo {
    std::string nome;
    std::string telefone;
    std::string usuario; // when set, only this user with `senha` is let in
    std::string senha;
    std::uint32_t discagemMs = 1500;
    std::uint32_t autenticacaoMs = 800;
    std::uint32_t quedaS = 0;
    std::uint32_t erro = 0; // a code for the dial to return instead of dialling
};

// Writes the phonebook with its one default entry when the file is missing, holds only blanks, or
// cannot be read (that file is kept beside, named "<file>.ilegivel"); a phonebook with any text is
// never overwritten.
void GaranteCatalogo(const std::string& arquivo);

// The entries' names in file order.
std::vector<std::string> NomesDoCatalogo(const std::string& arquivo);

// The entry of that name, regardless of case; blanks count.
std::optional<EntradaCatalogo> EntradaDoCatalogo(const std::string& arquivo, const std::string& nome);

// Adds the entry at the end, or puts it in place of the entry of the same name regardless of case;
// the other entries stay as they were. The default phonebook is created first when missing. False
// when the file could not be written.
bool GravaEntradaCatalogo(const std::string& arquivo, const EntradaCatalogo& entrada);

// The entry a provider preset file describes: its section [Entrada] with the key Nome and any of the
// phonebook's keys. Nothing when the file or the name is missing.
std::optional<EntradaCatalogo> LePredefinicao(const std::string& arquivo);

} // namespace plataforma
