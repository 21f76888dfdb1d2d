#include "mail/verificacao_contas.h"

#include "mail/ambiente_sessao.h"
#include "mail/aviso_email.h"
#include "mail/janela_email.h"
#include "mail/servidor_pop3.h"
#include "mail/sessoes_email.h"
#include "settings/quelza.h"

namespace quelza {
namespace {

bool emCurso = false;

SessoesEmail& Sessoes() { return plataforma::Backend<SessoesEmail>::Atual(); }

// Holds the run's place and the close button for as long as the run lasts, however it ends.
class ExecucaoEmCurso {
public:
    explicit ExecucaoEmCurso(JanelaEmail* janela) : janela_(janela) {
        emCurso = true;
        if (janela_)
            janela_->HabilitaFechar(false);
    }
    ~ExecucaoEmCurso() {
        if (janela_)
            janela_->HabilitaFechar(true);
        emCurso = false;
    }
    ExecucaoEmCurso(const ExecucaoEmCurso&) = delete;
    ExecucaoEmCurso& operator=(const ExecucaoEmCurso&) = delete;

private:
    JanelaEmail* janela_;
};

// The account's tooltip line after its title: an IMAP account names its protocol. Nothing when the
// run was stopped meanwhile.
std::optional<std::string> VerificaConta(const ContaEmail& conta) {
    const auto endereco = InterpretaServidorPop3(conta.Pop3);
    if (endereco && endereco->Protocolo == ProtocoloEmail::Imap) {
        const auto desfecho =
            Sessoes().VerificaImap(*endereco, conta.Usuário, conta.Senha, AmbienteDoPrograma());
        return desfecho ? std::optional(" (IMAP): " + *desfecho) : std::nullopt;
    }
    ServidorPop3 = conta.Pop3;
    UsuárioPop3 = conta.Usuário;
    SenhaPop3 = conta.Senha;
    const auto desfecho = Sessoes().VerificaPop3(ServidorPop3, UsuárioPop3, SenhaPop3, AmbienteDoPrograma());
    return desfecho ? std::optional(": " + *desfecho) : std::nullopt;
}

} // namespace

void VerificaTodasAsContas() {
    if (emCurso)
        return;
    Sessoes().Libera();
    JanelaEmail* const janela = plataforma::JanelaRegistrada<JanelaEmail>::Atual();
    std::vector<ContagemDaConta> contas;
    {
        const ExecucaoEmCurso execucao(janela);
        TotalDeMensagens = 0;
        std::string dica;
        if (janela) {
            janela->DefineFiguraEmail(FiguraEmail::SemEmail);
            janela->DefineDicaEmail(dica);
        }
        // The list is read afresh at each account: the account dialog may reload it while a reply
        // is awaited.
        for (std::size_t i = 0; TemContasEmail && i < ContasEmail.size(); ++i) {
            const ContaEmail conta = ContasEmail[i];
            const std::int16_t antes = TotalDeMensagens;
            const auto desfecho = VerificaConta(conta);
            // Stopped inside a wait: the account lets go without a word.
            if (!desfecho)
                break;
            contas.push_back({conta.NomeDaConta, static_cast<std::int16_t>(TotalDeMensagens - antes)});
            dica += (dica.empty() ? "" : "\n") + conta.NomeDaConta + *desfecho;
            if (janela)
                janela->DefineDicaEmail(dica);
        }
    }
    // A stop after the last wait plays no cue either: the program is ending.
    if (Sessoes().Interrompidas()) {
        Sessoes().Libera();
        return;
    }
    if (TotalDeMensagens > 0 && SomLigado == 1 && janela && janela->TemDispositivoSom())
        janela->TocaSom(SomTemEmail);
    AvisaNovoEmail(contas);
}

void InterrompeVerificacao() {
    if (emCurso)
        Sessoes().Interrompe();
}

} // namespace quelza
