#include "support/dovecot_local.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <sstream>

namespace {

// Four free ports, all different: each is held until the last is taken, since a port let go at once
// may be handed out again by the next request.
std::array<std::uint16_t, 4> PortasLivres() {
    std::array<QTcpServer, 4> servidores;
    std::array<std::uint16_t, 4> portas{};
    for (std::size_t i = 0; i < portas.size(); ++i) {
        servidores[i].listen(QHostAddress::LocalHost, 0);
        portas[i] = servidores[i].serverPort();
    }
    return portas;
}

bool Roda(const QString& programa, const QStringList& argumentos) {
    QProcess processo;
    processo.start(programa, argumentos);
    return processo.waitForFinished(60000) && processo.exitStatus() == QProcess::NormalExit &&
           processo.exitCode() == 0;
}

bool Certifica(const std::string& certificado, const std::string& chave) {
    return Roda("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                            "/CN=localhost", "-addext", "subjectAltName=DNS:localhost", "-keyout",
                            QString::fromStdString(chave), "-out", QString::fromStdString(certificado)});
}

void Grava(const std::string& caminho, const std::string& texto) { std::ofstream(caminho) << texto; }

bool Atende(const std::string& ip, std::uint16_t porta) {
    if (porta == 0)
        return true;
    QTcpSocket socket;
    socket.connectToHost(QString::fromStdString(ip), porta);
    return socket.waitForConnected(500);
}

} // namespace

std::string DovecotLocal::Executavel() {
    return QStandardPaths::findExecutable("dovecot", {"/usr/sbin", "/usr/local/sbin", "/sbin"}).toStdString();
}

DovecotLocal::~DovecotLocal() { Para(); }

std::string DovecotLocal::Caminho(const char* nome) const { return pasta_.filePath(nome).toStdString(); }
std::string DovecotLocal::Certificado() const { return Caminho("certificado.pem"); }
std::string DovecotLocal::OutroCertificado() const { return Caminho("outro.pem"); }
std::string DovecotLocal::PastaVazia() const { return Caminho("vazia"); }

std::string DovecotLocal::Log() const {
    std::ifstream arquivo(Caminho("dovecot.log"));
    std::stringstream texto;
    texto << arquivo.rdbuf();
    return texto.str();
}

std::string DovecotLocal::Inicia(const std::vector<Usuario>& usuarios, OpcoesDovecot opcoes) {
    if (Executavel().empty())
        return "dovecot is not installed";
    if (!pasta_.isValid())
        return "no temporary folder";
    if (!Certifica(Certificado(), Caminho("chave.pem")) ||
        !Certifica(OutroCertificado(), Caminho("outra.pem")))
        return "openssl could not make the certificates";
    QDir().mkpath(QString::fromStdString(PastaVazia()));

    // As root the server runs its mail workers as its own system user, which must own the mail and
    // reach the folder; as anyone else everything runs as that user.
    const bool root = geteuid() == 0;
    const passwd* dono = root ? getpwnam("dovecot") : getpwuid(geteuid());
    if (!dono)
        return "no user to own the mail";
    const uid_t uid = dono->pw_uid;
    const gid_t gid = dono->pw_gid;
    QFile::setPermissions(pasta_.path(), QFile::permissions(pasta_.path()) | QFile::ExeGroup |
                                             QFile::ExeOther | QFile::ReadGroup | QFile::ReadOther);

    std::string senhas;
    for (const Usuario& u : usuarios) {
        const std::string caixa = Caminho("mail") + "/" + u.nome;
        for (const char* sub : {"cur", "new", "tmp"})
            QDir().mkpath(QString::fromStdString(caixa + "/Maildir/" + sub));
        for (int i = 0; i < u.mensagens + u.lidas; ++i)
            Grava(caixa + (i < u.mensagens ? "/Maildir/new/" : "/Maildir/cur/") + std::to_string(i) +
                      (i < u.mensagens ? ".msg" : ".msg:2,S"),
                  "From: teste@localhost\r\nSubject: " + std::to_string(i) + "\r\n\r\nolá\r\n");
        senhas += u.nome + ":{PLAIN}" + u.senha + ":" + std::to_string(uid) + ":" + std::to_string(gid) +
                  "::" + caixa + "\n";
    }
    Grava(Caminho("passwd"), senhas);
    if (root)
        Roda("chown", {"-R", QString("%1:%2").arg(uid).arg(gid), QString::fromStdString(Caminho("mail"))});

    if (opcoes.recusaLoginEmClaro)
        ip = "127.0.0.2";
    const std::array<std::uint16_t, 4> livres = PortasLivres();
    portaPlana = livres[0];
    portaImap = livres[1];
    portaTls = opcoes.semTls ? 0 : livres[2];
    portaImaps = opcoes.semTls ? 0 : livres[3];
    const auto ouvinte = [](const char* nome, std::uint16_t porta, bool tls) {
        return porta == 0
                   ? std::string()
                   : std::string("  inet_listener ") + nome + " {\n    port = " + std::to_string(porta) +
                         (tls ? "\n    ssl = yes" : "") + "\n  }\n";
    };
    const std::string semChroot = root ? "" : "  chroot =\n";
    const group* grupo = getgrgid(gid);
    const std::string usuarioInterno = root || !grupo
                                           ? ""
                                           : std::string("default_internal_user = ") + dono->pw_name +
                                                 "\ndefault_login_user = " + dono->pw_name +
                                                 "\ndefault_internal_group = " + grupo->gr_name + "\n";
    const std::string tls = opcoes.semTls ? "ssl = no\n"
                                          : "ssl = yes\nssl_cert = <" + Certificado() + "\nssl_key = <" +
                                                Caminho("chave.pem") + "\n";
    Grava(Caminho("dovecot.conf"),
          "base_dir = " + Caminho("run") + "\nstate_dir = " + Caminho("state") +
              "\nlog_path = " + Caminho("dovecot.log") + "\nprotocols = pop3 imap\nlisten = " + ip + "\n" +
              tls + "disable_plaintext_auth = " + (opcoes.recusaLoginEmClaro ? "yes" : "no") +
              "\nauth_mechanisms = plain\nauth_failure_delay = 0\n" +
              "first_valid_uid = " + std::to_string(uid) + "\nfirst_valid_gid = " + std::to_string(gid) +
              "\nmail_location = maildir:~/Maildir\n" + usuarioInterno +
              "passdb {\n  driver = passwd-file\n  args = scheme=PLAIN " + Caminho("passwd") + "\n}\n" +
              "userdb {\n  driver = passwd-file\n  args = " + Caminho("passwd") + "\n}\n" +
              "service pop3-login {\n" + semChroot + ouvinte("pop3", portaPlana, false) +
              ouvinte("pop3s", portaTls, true) + "}\nservice imap-login {\n" + semChroot +
              ouvinte("imap", portaImap, false) + ouvinte("imaps", portaImaps, true) + "}\n" +
              (root ? "" : "service anvil {\n  chroot =\n}\n"));

    processo_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    processo_.start(QString::fromStdString(Executavel()),
                    {"-F", "-c", QString::fromStdString(Caminho("dovecot.conf"))});
    if (!processo_.waitForStarted(10000))
        return "dovecot did not start";
    // A bound on start-up, not a measure: the server is ready once both ports answer.
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        if (Atende(ip, portaPlana) && Atende(ip, portaTls) && Atende(ip, portaImap) && Atende(ip, portaImaps))
            return "";
        if (processo_.waitForFinished(100))
            return "dovecot stopped at start: " + Log();
    }
    return "dovecot does not answer: " + Log();
}

void DovecotLocal::Para() {
    if (processo_.state() == QProcess::NotRunning)
        return;
    ::kill(static_cast<pid_t>(processo_.processId()), SIGTERM);
    if (!processo_.waitForFinished(10000)) {
        ::kill(static_cast<pid_t>(processo_.processId()), SIGKILL);
        processo_.waitForFinished(10000);
    }
}
