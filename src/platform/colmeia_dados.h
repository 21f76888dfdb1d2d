// The registry hive as data: keys in the order they were first created, each holding its values in
// the order they were first set. Names match regardless of case and keep their first spelling. Pure:
// the text form is colmeia_texto.h, the file colmeia_arquivo.h. All texts are Windows-1252 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

struct ValorColmeia {
    std::string nome; // empty for the key's default value
    std::uint32_t tipo = 0;
    std::string dados; // a REG_SZ text without its terminating NUL
};

struct ChaveColmeia {
    std::string caminho; // full path from the root name, "HKEY_CURRENT_USER\Software\..."
    std::vector<ValorColmeia> valores;

    const ValorColmeia* Valor(std::string_view nome) const;
    // Returns whether anything changed.
    bool DefineValor(std::string_view nome, std::uint32_t tipo, std::string_view dados);
    bool RemoveValor(std::string_view nome);
};

// Whether a full key path can be kept: no empty part, no control code.
bool CaminhoChaveValido(std::string_view caminho);

class Colmeia {
public:
    // The keys every user profile has, so a first write finds them as the program expects.
    static Colmeia Nova();

    // A key exists when it was created, when a key below it exists, or when it is a root key.
    bool Existe(std::string_view caminho) const;
    // The key's own entry, or null when it has none (a key that exists only through its subkeys).
    const ChaveColmeia* Acha(std::string_view caminho) const;
    ChaveColmeia* Acha(std::string_view caminho);
    // The key's own entry, added at the end when it has none yet, with the parts of its path that
    // already exist spelled as they were first written.
    ChaveColmeia& Garante(std::string_view caminho);
    // Creates the key unless it exists; returns whether it was created.
    bool Cria(std::string_view caminho);
    // Removes the key with every key below it; its parent goes on existing. Returns whether anything
    // was removed.
    bool Remove(std::string_view caminho);
    // Whether some other key lies below this one.
    bool TemSubchaves(std::string_view caminho) const;

    const std::vector<ChaveColmeia>& Chaves() const { return chaves_; }

private:
    std::string Grafia(std::string_view caminho) const;

    std::vector<ChaveColmeia> chaves_;
};

} // namespace plataforma
