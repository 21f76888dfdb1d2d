#include "platform/instancia/qt/instancia.h"

#include "platform/arquivos/pastas.h"
#include "platform/instancia/pedido_ativacao.h"
#include "platform/instancia/qt/escuta_ativacao.h"
#include "platform/instancia/soquete_local.h"

#include <QCoreApplication>
#include <QLockFile>

#include <memory>

namespace plataforma {
namespace {

std::function<void()>& AoAtivar() {
    static std::function<void()> aoAtivar;
    return aoAtivar;
}

class InstanciaArquivo final : public Instancia {
public:
    bool Anterior() override {
        // Nothing is kept in a folder that does not fit; start-up has told why and ends before this.
        if (PreparaPastaExecucao() != FalhaPasta::Nenhuma)
            return false;
        const QString pasta = QString::fromStdString(PastaExecucao());
        trava_ = std::make_unique<QLockFile>(pasta + QStringLiteral("/instancia.lock"));
        trava_->setStaleLockTime(0);
        if (!trava_->tryLock(0)) {
            GuardaTokens();
            return true;
        }
        // Only the holder of the lock takes the socket's name over, from a copy that was killed.
        escuta_ = std::make_unique<EscutaAtivacao>(CaminhoSoquete(), TamanhoMaximoPedido, Atende);
        return false;
    }

    // The request is one short write, taken whole by the socket's buffer: the second start does not
    // wait for the first to read it.
    void Ativa(const std::string&) override {
        const Descritor soquete = ConectaSoqueteLocal(CaminhoSoquete(), 2000);
        if (soquete.Valido())
            EnviaTudo(soquete, PedidoAtivacao(tokens_));
    }

    void Encerra() override {
        encerrado_ = true;
        QCoreApplication::exit(0);
    }

    bool Encerrado() const override { return encerrado_; }

private:
    // The second start's tokens, taken out of its environment at once: the message box it shows
    // before asking would otherwise spend them on itself.
    void GuardaTokens() {
        for (const char* nome : VariaveisAtivacao) {
            const QByteArray valor = qgetenv(nome);
            if (!valor.isEmpty())
                tokens_.emplace_back(nome, valor.toStdString());
            qunsetenv(nome);
        }
    }

    static std::string CaminhoSoquete() { return PastaExecucao() + "/instancia.sock"; }

    // The request as the second start sent it before hanging up. Its tokens go into this process's
    // environment, where the window system's plugin takes them when the window is activated.
    static void Atende(const std::string& pedido) {
        const auto tokens = TokensDoPedido(pedido);
        if (!tokens)
            return;
        for (const auto& [nome, valor] : *tokens)
            qputenv(nome.c_str(), QByteArray::fromStdString(valor));
        if (AoAtivar())
            AoAtivar()();
    }

    TokensAtivacao tokens_;
    bool encerrado_ = false;
    // The socket goes before the lock that lets this process own its name.
    std::unique_ptr<QLockFile> trava_;
    std::unique_ptr<EscutaAtivacao> escuta_;
};

Instancia& Atual() { return Backend<Instancia>::Atual(); }

} // namespace

bool PrevInstance() { return Atual().Anterior(); }
void AppActivate(const std::string& titulo) { Atual().Ativa(titulo); }
void DefineAoAtivar(std::function<void()> aoAtivar) { AoAtivar() = std::move(aoAtivar); }

template <> std::shared_ptr<Instancia> BackendPadrao<Instancia>() {
    return std::make_shared<InstanciaArquivo>();
}

void EncerraProcesso() { Atual().Encerra(); }
bool ProcessoEncerrado() { return Atual().Encerrado(); }

} // namespace plataforma
