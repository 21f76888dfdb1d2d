#include "platform/som/qt/som.h"

#include "platform/arquivos/pastas.h"
#include "platform/nucleo/descritor.h"
#include "platform/nucleo/diagnostico.h"
#include "platform/som/canal_som.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <utility>

extern char** environ;

namespace plataforma {
namespace {

// Longer than the process takes to find a server and count its sinks, or to find that there is none.
constexpr int PrazoResposta = 5000;

// The sound process and the program's end of the socket to it.
struct ProcessoSom {
    pid_t pid = -1;
    Descritor canal;
};

// Starts the process at `caminho` with its end of a new socket at DescritorCanalSom, with the
// signals as a new program has them; the error number when it cannot be started.
int Inicia(const std::string& caminho, ProcessoSom& processo) {
    int par[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, par) < 0)
        return errno;
    Descritor nossa(par[0]);
    Descritor dela(par[1]);
    if (dela.Fd() == DescritorCanalSom) // dup2 onto itself would leave it closed on exec
        dela = Descritor(::fcntl(par[1], F_DUPFD_CLOEXEC, DescritorCanalSom + 1));
    posix_spawn_file_actions_t acoes;
    posix_spawnattr_t atributos;
    ::posix_spawn_file_actions_init(&acoes);
    ::posix_spawnattr_init(&atributos);
    sigset_t nenhum, todos;
    sigemptyset(&nenhum);
    sigfillset(&todos);
    ::posix_spawnattr_setsigmask(&atributos, &nenhum);
    ::posix_spawnattr_setsigdefault(&atributos, &todos);
    ::posix_spawnattr_setflags(&atributos, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    int erro =
        dela.Valido() ? ::posix_spawn_file_actions_adddup2(&acoes, dela.Fd(), DescritorCanalSom) : errno;
    if (erro == 0) {
        char* argumentos[] = {const_cast<char*>(caminho.c_str()), nullptr};
        erro = ::posix_spawn(&processo.pid, caminho.c_str(), &acoes, &atributos, argumentos, environ);
    }
    ::posix_spawn_file_actions_destroy(&acoes);
    ::posix_spawnattr_destroy(&atributos);
    if (erro == 0)
        processo.canal = std::move(nossa);
    return erro;
}

// The cues are played by the sound process, which the program starts on its first request and again
// whenever it has ended since; one that cannot be started is said once, and tried no more. Between
// requests the program watches the socket, so as to take back a process that has ended at once.
// At the program's end the socket closes, and the process ends with whatever it was playing.
class SomDoProcesso final : public Som {
public:
    bool Toca(const char* nome, std::uint32_t opcoes) override {
        PedidoSom pedido{PedidoSom::Tipo::Toca, opcoes, std::nullopt};
        if (nome)
            pedido.nome.emplace(nome);
        const std::optional<std::uint32_t> tocou = Pede(pedido);
        return tocou && *tocou != 0;
    }

    std::uint32_t Dispositivos() override { return Pede(PedidoSom{}).value_or(0); }

private:
    // A process that ended after taking the request, before answering, is started anew, once.
    std::optional<std::uint32_t> Pede(const PedidoSom& pedido) {
        const std::optional<std::string> pacote = CodificaPedido(pedido);
        if (!pacote)
            return std::nullopt;
        for (int tentativa = 0; tentativa < 2; ++tentativa) {
            if (!processo_.canal.Valido() && !Inicia())
                return std::nullopt;
            if (aviso_)
                aviso_->setEnabled(false);
            std::string resposta;
            const bool enviado = EnviaPacote(processo_.canal.Fd(), *pacote);
            const RecepcaoSom recepcao =
                enviado ? RecebePacote(processo_.canal.Fd(), resposta, PrazoResposta) : RecepcaoSom::Fechado;
            if (recepcao == RecepcaoSom::Recebido) {
                aviso_->setEnabled(true);
                return InterpretaResposta(resposta);
            }
            // One that does not answer in time is not waited for again.
            if (recepcao == RecepcaoSom::Esgotado) {
                ::kill(processo_.pid, SIGKILL);
                Encerra();
                return std::nullopt;
            }
            Encerra();
        }
        return std::nullopt;
    }

    bool Inicia() {
        if (ausente_)
            return false;
        const std::string caminho = PastaExecutavel() + "/" + PROCESSO_SOM;
        if (const int erro = plataforma::Inicia(caminho, processo_); erro != 0) {
            ausente_ = true;
            Diagnostico("sem som: " + caminho + ": " + std::strerror(erro));
            return false;
        }
        aviso_ = std::make_unique<QSocketNotifier>(processo_.canal.Fd(), QSocketNotifier::Read);
        QObject::connect(aviso_.get(), &QSocketNotifier::activated, [this] { Observa(); });
        return true;
    }

    // Between requests the process says nothing: what can be read is its end.
    void Observa() {
        std::string pacote;
        if (RecebePacote(processo_.canal.Fd(), pacote, 0) == RecepcaoSom::Fechado)
            Encerra();
    }

    void Encerra() {
        aviso_.reset();
        processo_.canal = {};
        ::waitpid(processo_.pid, nullptr, 0);
        processo_ = {};
    }

    ProcessoSom processo_;
    // After the process, so that the notifier goes before the socket it watches.
    std::unique_ptr<QSocketNotifier> aviso_;
    bool ausente_ = false;
};

Som& Atual() { return Backend<Som>::Atual(); }

} // namespace

bool PlaySoundA(const char* nome, const void*, std::uint32_t opcoes) { return Atual().Toca(nome, opcoes); }
std::uint32_t waveOutGetNumDevs() { return Atual().Dispositivos(); }
template <> std::shared_ptr<Som> BackendPadrao<Som>() { return std::make_shared<SomDoProcesso>(); }

} // namespace plataforma
