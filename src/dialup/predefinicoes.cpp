#include "dialup/predefinicoes.h"

#include "platform/interface/qt/mensagens.h"
#include "platform/shell/qt/shell.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

namespace quelza {

void CriaAcessoDialUp(const std::string& arquivo, const std::string& pasta) {
    // The program has no window the shell could own its question boxes by.
    constexpr std::uint32_t SemDono = 0;
    const std::intptr_t resultado = plataforma::ShellExecuteA(SemDono, "Open", arquivo.c_str(), "",
                                                              pasta.c_str(), plataforma::SW_SHOWNORMAL);
    GravaTexto(tabela::PrimeiraVez, "1");
    if (resultado <= 32)
        plataforma::MsgBox(ErroCriaAcesso, plataforma::vbOKOnly, TituloAplicacao);
}

} // namespace quelza
