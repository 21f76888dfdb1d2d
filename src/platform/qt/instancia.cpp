#include "platform/qt/instancia.h"

#include "platform/pastas.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

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
        if (!trava_->tryLock(0))
            return true;
        caminho_ = pasta + QStringLiteral("/instancia.sock");
        QLocalServer::removeServer(caminho_);
        servidor_ = std::make_unique<QLocalServer>();
        servidor_->setSocketOptions(QLocalServer::UserAccessOption);
        QObject::connect(servidor_.get(), &QLocalServer::newConnection, [this] {
            while (QLocalSocket* cliente = servidor_->nextPendingConnection()) {
                QObject::connect(cliente, &QLocalSocket::disconnected, cliente, &QObject::deleteLater);
                if (AoAtivar())
                    AoAtivar()();
            }
        });
        servidor_->listen(caminho_);
        return false;
    }

    void Ativa(const std::string&) override {
        QLocalSocket socket;
        socket.connectToServer(QString::fromStdString(PastaExecucao()) + QStringLiteral("/instancia.sock"));
        if (socket.waitForConnected(2000)) {
            socket.write("ativa\n");
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
