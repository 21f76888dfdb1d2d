#include "platform/qt/instancia.h"

#include "platform/pastas.h"
#include "platform/pedido_ativacao.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
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
        caminho_ = pasta + QStringLiteral("/instancia.sock");
        QLocalServer::removeServer(caminho_);
        servidor_ = std::make_unique<QLocalServer>();
        servidor_->setSocketOptions(QLocalServer::UserAccessOption);
        QObject::connect(servidor_.get(), &QLocalServer::newConnection, [this] {
            while (QLocalSocket* cliente = servidor_->nextPendingConnection())
                AtendeCliente(cliente);
        });
        servidor_->listen(caminho_);
        return false;
    }

    void Ativa(const std::string&) override {
        QLocalSocket socket;
        socket.connectToServer(QString::fromStdString(PastaExecucao()) + QStringLiteral("/instancia.sock"));
        if (socket.waitForConnected(2000)) {
            socket.write(QByteArray::fromStdString(PedidoAtivacao(tokens_)));
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
        }
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

    // The request is read whole once the second start hangs up. Its tokens go into this process's
    // environment, where the window system's plugin takes them when the window is activated.
    static void AtendeCliente(QLocalSocket* cliente) {
        auto pedido = std::make_shared<QByteArray>();
        QObject::connect(cliente, &QLocalSocket::readyRead, cliente, [cliente, pedido] {
            pedido->append(cliente->readAll().left(TamanhoPedido - pedido->size()));
        });
        QObject::connect(cliente, &QLocalSocket::disconnected, cliente, [cliente, pedido] {
            pedido->append(cliente->readAll().left(TamanhoPedido - pedido->size()));
            for (const auto& [nome, valor] : TokensDoPedido(pedido->toStdString()))
                qputenv(nome.c_str(), QByteArray::fromStdString(valor));
            cliente->deleteLater();
            if (AoAtivar())
                AoAtivar()();
        });
    }

    static constexpr qsizetype TamanhoPedido = 4096;
    TokensAtivacao tokens_;
    bool encerrado_ = false;
    std::unique_ptr<QLockFile> trava_;
    std::unique_ptr<QLocalServer> servidor_;
    QString caminho_;
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
