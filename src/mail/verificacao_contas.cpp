#include "mail/verificacao_contas.h"

#include "mail/aviso_email.h"
#include "mail/espera_resposta.h"
#include "mail/janela_email.h"
#include "mail/servidor_pop3.h"
#include "mail/sessao_imap.h"
#include "mail/sessao_pop3.h"
#include "settings/quelza.h"

namespace quelza {
namespace {

bool emCurso = false;

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

// The account's tooltip line after its title: an IMAP account names its protocol.
std::string VerificaConta(const ContaEmail& conta) {
    const auto endereco = InterpretaServidorPop3(conta.Pop3);
    if (endereco && endereco->Protocolo == ProtocoloEmail::Imap)
        return " (IMAP): " + VerificaContaIMAP(*endereco, conta.Usuário, conta.Senha);
    ServidorPop3 = conta.Pop3;
    UsuárioPop3 = conta.Usuário;
    SenhaPop3 = conta.Senha;
    return ": " + VerificaContaPOP3();
}

} // namespace

void VerificaTodasAsContas() {
    if (emCurso)
        return;
    LiberaEsperas();
    JanelaEmail* const janela = plataforma::JanelaRegistrada<JanelaEmail>::Atual();
    std::vector<ContagemDaConta> contas;
    try {
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
            const std::string desfecho = VerificaConta(conta);
            contas.push_back({conta.NomeDaConta, static_cast<std::int16_t>(TotalDeMensagens - antes)});
            dica += (dica.empty() ? "" : "\n") + conta.NomeDaConta + desfecho;
            if (janela)
                janela->DefineDicaEmail(dica);
        }
    } catch (const VerificacaoInterrompida&) {
        // Stopped inside a wait: the account lets go without a word.
    }
    // A stop after the last wait plays no cue either: the program is ending.
    if (EsperasInterrompidas()) {
        LiberaEsperas();
        return;
    }
    if (TotalDeMensagens > 0 && SomLigado == 1 && janela && janela->TemDispositivoSom())
        janela->TocaSom(SomTemEmail);
    AvisaNovoEmail(contas);
}

void InterrompeVerificacao() {
    if (emCurso)
        InterrompeEsperas();
}

} // namespace quelza
