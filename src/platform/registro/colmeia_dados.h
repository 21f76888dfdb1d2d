// The registry hive as data: keys in the order they were first created, each holding its values in
// the order they were first set. Names match regardless of case and keep their first spelling; every
// lookup is by index, so building a hive of n keys and values takes time linear in n. Pure: the text
// form is colmeia_texto.h, the file colmeia_arquivo.h. Names and paths are Windows-1252 bytes; text
// data too, unless it is marked as UTF-8 (see texto_guardado.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace plataforma {

struct ValorColmeia {
    std::string nome; // empty for the key's default value
    std::uint32_t tipo = 0;
    std::string dados; // a REG_SZ text without its terminating NUL
    bool utf8 = false; // REG_SZ data in UTF-8, holding a character Windows-1252 lacks
};

class ChaveColmeia {
public:
    explicit ChaveColmeia(std::string caminho) : caminho_(std::move(caminho)) {}

    // Full path from the root name, "HKEY_CURRENT_USER\Software\...".
    const std::string& Caminho() const { return caminho_; }
    const std::vector<ValorColmeia>& Valores() const { return valores_; }

    const ValorColmeia* Valor(std::string_view nome) const;
    // Returns whether anything changed.
    bool DefineValor(std::string_view nome, std::uint32_t tipo, std::string_view dados, bool utf8 = false);
    bool RemoveValor(std::string_view nome);

private:
    std::optional<std::size_t> Posicao(std::string_view nome) const;
    void Reindexa();

    std::string caminho_;
    std::vector<ValorColmeia> valores_;
    // Names folded to lower case, kept only once a key holds more values than a plain search suits.
    std::unordered_map<std::string, std::size_t> indice_;
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
    // Removes the key with every key below it; its parent goes on existing, spelled as it was.
    // Returns whether anything was removed.
    bool Remove(std::string_view caminho);
    // Whether some other key lies below this one.
    bool TemSubchaves(std::string_view caminho) const;

    const std::vector<ChaveColmeia>& Chaves() const { return chaves_; }

private:
    // A path, or the leading parts of one, as the keys hold it.
    struct Prefixo {
        std::string grafia;  // as the first key in order that has it spells it
        bool abaixo = false; // some key lies strictly below it
    };

    // `dobrado` is `caminho` in lower case.
    std::string Grafia(std::string_view caminho, const std::string& dobrado) const;
    void IndexaPrefixos(std::size_t posicao, std::string dobrado);
    void Reindexa();

    std::vector<ChaveColmeia> chaves_;
    std::unordered_map<std::string, std::size_t> posicoes_; // folded path to its place in chaves_
    std::unordered_map<std::string, Prefixo> prefixos_;     // folded path or leading parts of a key
};

} // namespace plataforma
