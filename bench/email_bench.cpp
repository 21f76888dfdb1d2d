// One account's whole mailbox dialogue: against the scripted loopback server, and against a loopback
// Dovecot beside a bare client that sends the same lines with blocking socket calls: POP3 plain and
// TLS, IMAP upgraded with STARTTLS and TLS from the first byte. The Dovecot figures belong together:
// compare each pair from the same run.
#include "mail/ambiente_sessao.h"
#include "mail/servidor_pop3.h"
#include "mail/sessoes/sessoes_rede.h"
#include "settings/quelza.h"
#include "support/dovecot_local.h"
#include "support/servidor_pop3_roteirizado.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSslConfiguration>
#include <QSslSocket>

#include <cstdlib>
#include <memory>

namespace {

DovecotLocal* dovecot = nullptr;

// Runs the account's dialogue on every iteration; an outcome other than "3 mensagens" stops it.
template <class Sessao> void Dialogo(benchmark::State& estado, Sessao&& sessao) {
    quelza::SessoesRede sessoes;
    quelza::TempoDeEspera = 10;
    for (auto _ : estado) {
        quelza::TotalDeMensagens = 0;
        const std::string desfecho = sessao(sessoes, quelza::AmbienteDoPrograma()).value_or("interrompida");
        if (desfecho != "3 mensagens") {
            estado.SkipWithError(desfecho.c_str());
            return;
        }
    }
}

void Pop3(benchmark::State& estado, const std::string& servidor, const std::string& senha) {
    Dialogo(estado, [&](quelza::SessoesRede& sessoes, quelza::AmbienteSessao& ambiente) {
        return sessoes.VerificaPop3(servidor, "ana", senha, ambiente);
    });
}

void Roteirizado(benchmark::State& estado) {
    ServidorPop3Roteirizado servidor;
    servidor.caixas["ana"] = {"1", "+OK 3 1234", {}};
    Pop3(estado, servidor.Endereco(), "1");
}
BENCHMARK(Roteirizado)->Repetitions(15)->ReportAggregatesOnly(true);

// Runs a bare dialogue on every iteration; a failure stops it.
void Repete(benchmark::State& estado, bool (*dialogo)(bool), bool tls, const char* erro) {
    for (auto _ : estado)
        if (!dialogo(tls))
            return estado.SkipWithError(erro);
}

// The bare client: the same four lines, each reply read whole with a blocking wait.
bool LeLinha(QSslSocket& socket) {
    QByteArray linha;
    while (!linha.contains("\r\n")) {
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(10000))
            return false;
        linha += socket.readAll();
    }
    return linha.startsWith("+OK");
}

bool Cru(bool tls) {
    QSslSocket socket;
    if (tls) {
        QSslConfiguration configuracao = socket.sslConfiguration();
        configuracao.setCaCertificates(
            QSslCertificate::fromPath(QString::fromStdString(dovecot->Certificado())));
        socket.setSslConfiguration(configuracao);
        socket.connectToHostEncrypted("localhost", dovecot->portaTls);
        if (!socket.waitForEncrypted(10000))
            return false;
    } else {
        socket.connectToHost("127.0.0.1", dovecot->portaPlana);
    }
    if (!LeLinha(socket))
        return false;
    for (const char* linha : {"USER ana\r\n", "PASS segredo\r\n", "STAT \r\n"}) {
        socket.write(linha);
        if (!LeLinha(socket))
            return false;
    }
    socket.write("QUIT\r\n");
    socket.flush();
    socket.abort();
    return true;
}

// The bare IMAP client: what the account's dialogue sends to this server, each tagged reply awaited
// whole. The greeting names the capabilities; after STARTTLS they are asked again.
bool LeResposta(QSslSocket& socket, const QByteArray& tag) {
    QByteArray recebido;
    for (;;) {
        const qsizetype fim = recebido.lastIndexOf("\r\n", recebido.size() - 3);
        const QByteArray ultima = recebido.mid(fim < 0 ? 0 : fim + 2);
        if (recebido.endsWith("\r\n") && ultima.startsWith(tag))
            return ultima.startsWith(tag + " OK");
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(10000))
            return false;
        recebido += socket.readAll();
    }
}

bool CruImap(bool tlsDesdeOInicio) {
    QSslSocket socket;
    QSslConfiguration configuracao = socket.sslConfiguration();
    configuracao.setCaCertificates(QSslCertificate::fromPath(QString::fromStdString(dovecot->Certificado())));
    socket.setSslConfiguration(configuracao);
    if (tlsDesdeOInicio) {
        socket.connectToHostEncrypted("localhost", dovecot->portaImaps);
        if (!socket.waitForEncrypted(10000))
            return false;
    } else {
        socket.connectToHost("localhost", dovecot->portaImap);
    }
    if (!LeResposta(socket, "*"))
        return false;
    QList<QByteArray> comandos{"a1 LOGIN \"ana\" \"segredo\"", "a2 STATUS INBOX (UNSEEN)"};
    if (!tlsDesdeOInicio) {
        socket.write("a1 STARTTLS\r\n");
        if (!LeResposta(socket, "a1"))
            return false;
        socket.startClientEncryption();
        if (!socket.waitForEncrypted(10000))
            return false;
        comandos = {"a2 CAPABILITY", "a3 LOGIN \"ana\" \"segredo\"", "a4 STATUS INBOX (UNSEEN)"};
    }
    for (const QByteArray& comando : comandos) {
        socket.write(comando + "\r\n");
        if (!LeResposta(socket, comando.left(comando.indexOf(' '))))
            return false;
    }
    socket.write("a9 LOGOUT\r\n");
    socket.flush();
    socket.abort();
    return true;
}

void Imap(benchmark::State& estado, const std::string& servidor) {
    const auto endereco = quelza::InterpretaServidorPop3(servidor);
    Dialogo(estado, [&](quelza::SessoesRede& sessoes, quelza::AmbienteSessao& ambiente) {
        return sessoes.VerificaImap(*endereco, "ana", "segredo", ambiente);
    });
}

void DovecotImap(benchmark::State& estado) {
    Imap(estado, "imap://localhost:" + std::to_string(dovecot->portaImap));
}

void DovecotImaps(benchmark::State& estado) {
    Imap(estado, "imaps://localhost:" + std::to_string(dovecot->portaImaps));
}

void CruImapStartTls(benchmark::State& estado) {
    Repete(estado, CruImap, false, "the bare IMAP dialogue with STARTTLS failed");
}

void CruImaps(benchmark::State& estado) {
    Repete(estado, CruImap, true, "the bare IMAP dialogue over TLS failed");
}

void DovecotPlano(benchmark::State& estado) {
    Pop3(estado, "127.0.0.1:" + std::to_string(dovecot->portaPlana), "segredo");
}

void DovecotTls(benchmark::State& estado) {
    Pop3(estado, "pop3s://localhost:" + std::to_string(dovecot->portaTls), "segredo");
}

void CruPlano(benchmark::State& estado) { Repete(estado, Cru, false, "the bare plain dialogue failed"); }

void CruTls(benchmark::State& estado) { Repete(estado, Cru, true, "the bare TLS dialogue failed"); }

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    auto servidor = std::make_unique<DovecotLocal>();
    if (const std::string erro = servidor->Inicia({{"ana", "segredo", 3}}); erro.empty()) {
        dovecot = servidor.get();
        // Only the server's certificate is trusted, as the bare client trusts it.
        setenv("SSL_CERT_FILE", servidor->Certificado().c_str(), 1);
        setenv("SSL_CERT_DIR", servidor->PastaVazia().c_str(), 1);
        // The bare client goes first: a server that warms up as it runs would otherwise favour it.
        for (auto* b : {benchmark::RegisterBenchmark("CruPlano", CruPlano),
                        benchmark::RegisterBenchmark("DovecotPlano", DovecotPlano),
                        benchmark::RegisterBenchmark("CruTls", CruTls),
                        benchmark::RegisterBenchmark("DovecotTls", DovecotTls),
                        benchmark::RegisterBenchmark("CruImapStartTls", CruImapStartTls),
                        benchmark::RegisterBenchmark("DovecotImap", DovecotImap),
                        benchmark::RegisterBenchmark("CruImaps", CruImaps),
                        benchmark::RegisterBenchmark("DovecotImaps", DovecotImaps)})
            b->Repetitions(9)->ReportAggregatesOnly(true);
    } else {
        std::fprintf(stderr, "Dovecot benchmarks left out: %s\n", erro.c_str());
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    servidor.reset();
    return 0;
}
