#include "mail/contas_email.h"
#include "platform/arquivos/instalacao.h"
#include "platform/arquivos/pastas.h"
#include "platform/nucleo/diagnostico.h"
#include "settings/configuracao.h"
#include "settings/diretorio_windows.h"
#include "settings/formas_texto.h"
#include "settings/janela_carregamento.h"
#include "settings/navegador.h"
#include "settings/padroes_iniciais.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

#include <filesystem>
#include <stdexcept>

namespace quelza {
namespace {

// One step of the loader: when it fails, its target keeps what it held and loading goes on.
template <typename Acao> void Passo(Acao&& acao) {
    plataforma::PassoProtegido("passo da carga das configurações", std::forward<Acao>(acao));
}

void Le(const LinhaConfiguracao& linha) {
    Passo([&] { LeConfiguracao(linha); });
}

// The steps that touch the main window fail without one.
JanelaCarregamento& Janela() {
    JanelaCarregamento* janela = plataforma::JanelaRegistrada<JanelaCarregamento>::Atual();
    if (!janela)
        throw std::logic_error("a janela principal não existe");
    return *janela;
}

// "Rediscar" carries the redial state of a run; "True" left in the file with no access to dial
// (at start the access label is still empty) means the last run did not close normally.
void AplicaRediscar(const std::string& texto) {
    const std::optional<bool> ligado = LeBooleano(texto);
    if (!ligado)
        return;
    JanelaCarregamento& janela = Janela();
    if (*ligado) {
        RediscarLigado = true;
        if (SemBrancos(janela.CaptionAcesso()).empty()) {
            RediscarLigado = false;
            GravaConfiguracao(tabela::RediscarLigado);
            return;
        }
        janela.MostraRediscar(true);
    } else {
        RediscarLigado = false;
        janela.MostraRediscar(false);
    }
}

// The copy of the shipped ".reg" file goes to the system folder (the user's copy of it, for an
// installed program); the program never reads it back.
void CopiaArquivoRegistro() {
    std::string nome = "WinSys";
    const std::optional<std::string> destino =
        plataforma::CaminhoDeGravacao(DiretórioWindows(nome) + "/e-Telvanor3Std.reg");
    if (!destino)
        throw std::runtime_error("a cópia do usuário não pôde ser criada");
    std::filesystem::copy_file(plataforma::PastaPrograma() + "/e-Telvanor3Std.reg", *destino,
                               std::filesystem::copy_options::overwrite_existing);
}

void PrimeiraPartida() {
    Passo(DefinePadroesIniciais);
    Passo(SalvaPadroesIniciais);
    Passo([] { GravaEntradaIniciarComWindows(true); });
    Passo(AjustaNavegador);
    Passo([] { GravaTexto(tabela::PrimeiraVez, "0"); });
    Passo(CopiaArquivoRegistro);
}

} // namespace

void CarregaConfiguração() {
    std::string rediscar;
    Passo([&] { rediscar = LeTexto(tabela::RediscarLigado); });

    for (const LinhaConfiguracao* linha :
         {&tabela::AgendarConexão,     &tabela::HoraConexão,      &tabela::ProgramaExecutar,
          &tabela::AgendarDesconexão,  &tabela::HoraDesconexão,   &tabela::NãoDeixarAgendado,
          &tabela::DesligarComputador, &tabela::PrimeiraVez,      &tabela::PáginaInicial,
          &tabela::PáginaTravada,      &tabela::IniciarIE,        &tabela::SomLigado,
          &tabela::SomIniciando,       &tabela::SomBomDia,        &tabela::SomBoaTarde,
          &tabela::SomBoaNoite,        &tabela::SomFinalizando,   &tabela::SomTemEmail,
          &tabela::SomConectado,       &tabela::SomDesconectado,  &tabela::PosiçãoX,
          &tabela::PosiçãoY,           &tabela::IniciarComWindows})
        Le(*linha);

    Passo([] { GravaEntradaIniciarComWindows(IniciarComWindows == "1"); });

    for (const LinhaConfiguracao* linha : {&tabela::ChecarAoConectar, &tabela::TempoDeEspera,
                                           &tabela::ChecarPeriodicamente, &tabela::AvisarNovoEmail})
        Le(*linha);

    Passo([] {
        if (ChecarPeriodicamente == 0)
            Janela().DesligaVerificaçãoPeriódica();
    });

    Passo([&] { AplicaRediscar(rediscar); });

    if (PrimeiraVez == 1)
        PrimeiraPartida();

    Passo([] { CarregaContasEmail(AplicacaoConfiguracoes, SecaoContasEmail); });
}

} // namespace quelza
