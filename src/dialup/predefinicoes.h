// Provider presets: the menu of the three partner providers with their two calling areas, and the
// routine that hands a preset file to the shell, whose handler for such files creates the entry.
#pragma once

#include <array>
#include <string>

namespace quelza {

struct ItemPredefinicao {
    const char* nome;    // the menu item's name
    const char* legenda; // its caption
    const char* arquivo; // the preset file in the system folder
};

struct ProvedorPredefinido {
    const char* nome;
    const char* legenda;
    std::array<ItemPredefinicao, 2> itens;
};

inline constexpr std::array<ProvedorPredefinido, 3> ProvedoresPredefinidos{{
    {"itmOrvalia",
     "Orvalia",
     {{{"itmOTR", "Acesso Três Rios", "1.ins"}, {"itmONTR", "A partir de outras cidades", "2.ins"}}}},
    {"itmLum",
     "Lumenra [Velquo]",
     {{{"itmLTR", "Acesso Três Rios", "3.ins"}, {"itmLNTR", "A partir de outras cidades", "4.ins"}}}},
    {"itmTavora",
     "Tavora",
     {{{"itmTTR", "Acesso Três Rios", "5.ins"}, {"itmTNTR", "A partir de outras cidades", "6.ins"}}}},
}};

inline constexpr const char* ErroCriaAcesso = "Ocorreu um erro na criação do Acesso a Rede Dial-Up";

// Opens the preset `arquivo` (the name alone) through the shell with `pasta` as working folder, then
// marks the next start as a first start whatever the outcome; a failure of the shell is shown.
void CriaAcessoDialUp(const std::string& arquivo, const std::string& pasta);

} // namespace quelza
