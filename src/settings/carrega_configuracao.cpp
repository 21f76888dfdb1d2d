#include "app/diretorio_windows.h"
#include "app/frm_telvanor01.h"
#include "mail/contas_email.h"
#include "platform/configuracoes_usuario.h"
#include "platform/pastas.h"
#include "settings/configuracao.h"
#include "settings/formas_texto.h"
#include "settings/navegador.h"
#include "settings/padroes_iniciais.h"
#include "settings/quelza.h"

#include <filesystem>
#include <stdexcept>

namespace quelza {
namespace {

using Leitor = std::string (*)(const char* secao, const char* chave);

std::string DoArquivo(const char* secao, const char* chave) { return LeIni(ArquivoConfig(), secao, chave); }

std::string DoUsuario(const char* secao, const char* chave) {
    return plataforma::GetSetting(AplicacaoConfiguracoes, secao, chave);
}

// One step of the loader: when it fails, its target keeps what it held and loading goes on.
template <typename Acao> void Passo(Acao&& acao) {
    try {
        acao();
    } catch (const std::exception&) {
    }
}

void Texto(std::string& variavel, Leitor ler, const char* secao, const char* chave) {
    Passo([&] { variavel = ler(secao, chave); });
}

template <typename Inteiro> void Numero(Inteiro& variavel, Leitor ler, const char* secao, const char* chave) {
    Passo([&] { variavel = LeNumero<Inteiro>(ler(secao, chave)); });
}

void Hora(HoraDoDia& variavel, Leitor ler, const char* secao, const char* chave) {
    Passo([&] { variavel = LeHora(ler(secao, chave)); });
}

// The steps that touch the main window fail without one.
frmTelvanor01& Janela() {
    if (!frmTelvanor01::Existe())
        throw std::logic_error("a janela principal não existe");
    return frmTelvanor01::Atual();
}

// "Rediscar" carries the redial state of a run; "True" left in the file with no access to dial
// (at start the access label is still empty) means the last run did not close normally.
void AplicaRediscar(const std::string& texto) {
    const std::optional<bool> ligado = LeBooleano(texto);
    if (!ligado)
        return;
    frmTelvanor01& janela = Janela();
    if (*ligado) {
        RediscarLigado = true;
        if (SemBrancos(Caption(janela.lblAcesso)).empty()) {
            RediscarLigado = false;
            GravaIni(ArquivoConfig(), "Config", "Rediscar", TextoBooleano(false));
            return;
        }
        janela.img.at(51)->DefinePicture(janela.imgX.at(52));
        janela.Timer3.Enabled(true);
        janela.itmRediscar->setChecked(true);
    } else {
        RediscarLigado = false;
        janela.img.at(51)->DefinePicture(janela.imgX.at(51));
        janela.Timer3.Enabled(false);
        janela.itmRediscar->setChecked(false);
    }
}

// The copy of the shipped ".reg" file goes to the system folder; the program never reads it back.
void CopiaArquivoRegistro() {
    std::string nome = "WinSys";
    const std::string destino = DiretórioWindows(nome) + "/e-Telvanor3Std.reg";
    std::filesystem::copy_file(plataforma::PastaPrograma() + "/e-Telvanor3Std.reg", destino,
                               std::filesystem::copy_options::overwrite_existing);
}

void PrimeiraPartida() {
    Passo(DefinePadroesIniciais);
    Passo(SalvaPadroesIniciais);
    Passo([] { GravaEntradaIniciarComWindows(true); });
    Passo(AjustaNavegador);
    Passo([] { GravaIni(ArquivoConfig(), "Config", "Primeira Vez", "0"); });
    Passo(CopiaArquivoRegistro);
}

} // namespace

void CarregaConfiguração() {
    std::string rediscar;
    Texto(rediscar, DoArquivo, "Config", "Rediscar");

    Numero(AgendarConexão, DoArquivo, "Config", "Agendar Conexão");
    Hora(HoraConexão, DoArquivo, "Config", "Hora da Conexão");
    Texto(ProgramaExecutar, DoArquivo, "Config", "Executar");
    Numero(AgendarDesconexão, DoArquivo, "Config", "Agendar Desconexão");
    Hora(HoraDesconexão, DoArquivo, "Config", "Hora da Desconexão");
    Numero(NãoDeixarAgendado, DoArquivo, "Config", "Não deixar Agendado");
    Numero(DesligarComputador, DoArquivo, "Config", "Desligar Computador");
    Numero(PrimeiraVez, DoArquivo, "Config", "Primeira Vez");

    Texto(PáginaInicial, DoArquivo, "IE", "Página Inicial");
    Texto(PáginaTravada, DoArquivo, "IE", "Travada");

    Numero(IniciarIE, DoUsuario, "ini", "IE");
    Numero(SomLigado, DoUsuario, "Som", "Ligado");
    Numero(SomIniciando, DoUsuario, "Som", "Iniciando");
    Texto(SomBomDia, DoUsuario, "Som", "Bom Dia");
    Texto(SomBoaTarde, DoUsuario, "Som", "Boa Tarde");
    Texto(SomBoaNoite, DoUsuario, "Som", "Boa Noite");
    Texto(SomFinalizando, DoUsuario, "Som", "Finalizando");
    Texto(SomTemEmail, DoUsuario, "Som", "Tem Email");
    Texto(SomConectado, DoUsuario, "Som", "Conectado");
    Texto(SomDesconectado, DoUsuario, "Som", "Desconectado");
    Numero(PosiçãoX, DoUsuario, "ini", "X");
    Numero(PosiçãoY, DoUsuario, "ini", "Y");
    Texto(IniciarComWindows, DoUsuario, "ini", "Iniciar Com Windows");

    Passo([] { GravaEntradaIniciarComWindows(IniciarComWindows == "1"); });

    Numero(ChecarAoConectar, DoArquivo, "Pop3", "Cheque ao Conectar");
    Numero(TempoDeEspera, DoArquivo, "Pop3", "Tempo de Espera");
    Numero(ChecarPeriodicamente, DoArquivo, "Pop3", "Checar Periodicamente");

    Passo([] {
        if (ChecarPeriodicamente == 0)
            Janela().tmrEmail.Enabled(false);
    });

    Passo([&] { AplicaRediscar(rediscar); });

    if (PrimeiraVez == 1)
        PrimeiraPartida();

    Passo([] { CarregaContasEmail(AplicacaoConfiguracoes, "Email"); });
}

} // namespace quelza
