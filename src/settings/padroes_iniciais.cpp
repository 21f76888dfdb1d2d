#include "settings/padroes_iniciais.h"

#include "platform/configuracoes_usuario.h"
#include "platform/pastas.h"
#include "settings/configuracao.h"
#include "settings/formas_texto.h"
#include "settings/quelza.h"
#include "settings/registro.h"

namespace quelza {

void DefinePadroesIniciais() {
    const std::string pasta = plataforma::PastaPrograma();
    SomLigado = 1;
    SomIniciando = 1;
    SomBomDia = pasta + "/e-bomdia.wav";
    SomBoaTarde = pasta + "/e-boatarde.wav";
    SomBoaNoite = pasta + "/e-boanoite.wav";
    SomFinalizando = pasta + "/e-fim.wav";
    SomTemEmail = pasta + "/e-tememail.wav";
    SomConectado = pasta + "/e-conectado.wav";
    SomDesconectado = pasta + "/e-desconectado.wav";
    PosiçãoX = 1130;
    PosiçãoY = 1130;
    IniciarComWindows = "1";
}

void SalvaPadroesIniciais() {
    auto salva = [](const char* secao, const char* chave, const std::string& valor) {
        plataforma::SaveSetting(AplicacaoConfiguracoes, secao, chave, valor);
    };
    salva("Som", "Ligado", NumeroSimples(SomLigado));
    salva("Som", "Iniciando", NumeroSimples(SomIniciando));
    salva("Som", "Bom Dia", SomBomDia);
    salva("Som", "Boa Tarde", SomBoaTarde);
    salva("Som", "Boa Noite", SomBoaNoite);
    salva("Som", "Finalizando", SomFinalizando);
    salva("Som", "Tem Email", SomTemEmail);
    salva("Som", "Conectado", SomConectado);
    salva("Som", "Desconectado", SomDesconectado);
    salva("ini", "X", NumeroSimples(PosiçãoX));
    salva("ini", "Y", NumeroSimples(PosiçãoY));
    salva("ini", "Iniciar Com Windows", IniciarComWindows);
    salva("ini", "IE", NumeroSimples(IniciarIE));
    salva("ini", "Versão", "31");
}

void GravaEntradaIniciarComWindows(bool ligado) {
    Registro::GravaValorTexto("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                              "e-Telvanor",
                              ligado ? plataforma::PastaPrograma() + "/e-Telvanor3Std /bandeja" : "");
}

} // namespace quelza
