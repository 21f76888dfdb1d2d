#include "settings/padroes_iniciais.h"

#include "platform/arquivos/pastas.h"
#include "settings/registro.h"
#include "settings/tabela_configuracoes.h"

namespace quelza {

void DefinePadroesIniciais() { DefineValoresIniciais(tabela::PadroesIniciais); }

void SalvaPadroesIniciais() { GravaConfiguracoes(tabela::PadroesIniciais); }

void GravaEntradaIniciarComWindows(bool ligado) {
    Registro::GravaValorTexto("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                              "e-Telvanor",
                              ligado ? plataforma::PastaPrograma() + "/e-Telvanor3Std /bandeja" : "");
}

} // namespace quelza
