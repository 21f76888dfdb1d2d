// The single instance across two real processes: the test program starts itself a second time, with
// an activation token the first receives; and what the first does with a killed predecessor and with
// peers that are not a second start.
#include "platform/instancia/pedido_ativacao.h"
#include "platform/instancia/qt/escuta_ativacao.h"
#include "platform/instancia/qt/instancia.h"
#include "platform/instancia/soquete_local.h"
#include "platform/nucleo/escolha_backend.h"
#include "support/diagnosticos.h"
#include "support/pastas_temporarias.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Names the part a child started by the tests below plays (see PapelDoFilho).
constexpr const char* VariavelPapel = "TELVANOR_TESTE_PAPEL_INSTANCIA";

// Lets this process's events run until `pronto` holds (or a generous limit, should it never).
bool EsperaEventos(const std::function<bool()>& pronto) {
    QElapsedTimer limite;
    limite.start();
    while (!pronto() && limite.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    return pronto();
}

// Starts this test program again as a child playing `papel`.
void IniciaFilho(QProcess& filho, const char* papel, const char* token = nullptr) {
    auto ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(VariavelPapel, papel);
    ambiente.remove("XDG_ACTIVATION_TOKEN");
    if (token)
        ambiente.insert("XDG_ACTIVATION_TOKEN", token);
    filho.setProcessEnvironment(ambiente);
    filho.start(QCoreApplication::applicationFilePath(), {});
}

// A second start with an activation token, to its end.
void SegundaPartida(const char* token) {
    QProcess filho;
    IniciaFilho(filho, "segunda", token);
    ASSERT_TRUE(filho.waitForFinished(60000));
    EXPECT_EQ(filho.exitCode(), 0) << filho.readAllStandardOutput().toStdString()
                                   << filho.readAllStandardError().toStdString();
}

// A child's part, played before any test would run; the child ends with it. "segunda": a second
// start, which finds the first and asks it to activate. "morta": a first instance that never ends
// by itself, for its parent to kill.
class PapelDoFilho : public ::testing::Environment {
public:
    void SetUp() override {
        const char* papel = std::getenv(VariavelPapel);
        if (!papel)
            return;
        plataforma::DefineBackend<plataforma::Instancia>(nullptr);
        if (std::string(papel) == "segunda")
            std::exit(Segunda());
        if (plataforma::PrevInstance()) {
            std::cerr << "another instance was found" << std::endl;
            std::exit(1);
        }
        std::cout << "pronta" << std::endl;
        for (;;)
            ::pause();
    }

private:
    static int Segunda() {
        if (!plataforma::PrevInstance()) {
            std::cerr << "no first instance was found" << std::endl;
            return 1;
        }
        if (qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN")) {
            std::cerr << "the token is kept for the first, not spent here" << std::endl;
            return 1;
        }
        plataforma::AppActivate("e-Telvanor 3.1 Standard");
        return 0;
    }
};

[[maybe_unused]] const ::testing::Environment* const papelDoFilho =
    ::testing::AddGlobalTestEnvironment(new PapelDoFilho);

std::string CaminhoSoquete(const PastasTemporarias& pastas) {
    return pastas.Execucao() + "/e-Telvanor/instancia.sock";
}

// Whether the first instance has closed its end of this peer.
bool FechadoPeloOutroLado(const plataforma::Descritor& par) {
    char byte;
    const ssize_t n = ::recv(par.Fd(), &byte, 1, MSG_DONTWAIT);
    return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
}

// The first instance of each test below, counting its activations.
class PrimeiraInstancia : public ::testing::Test {
protected:
    void SetUp() override {
        plataforma::DefineBackend<plataforma::Instancia>(nullptr);
        plataforma::DefineAoAtivar([this] { ++ativacoes; });
        qunsetenv("XDG_ACTIVATION_TOKEN");
    }
    void TearDown() override {
        qunsetenv("XDG_ACTIVATION_TOKEN");
        plataforma::DefineAoAtivar(nullptr);
        plataforma::DefineBackend<plataforma::Instancia>(nullptr);
    }
    plataforma::Descritor Par() { return plataforma::ConectaSoqueteLocal(CaminhoSoquete(pastas), 1000); }

    PastasTemporarias pastas;
    int ativacoes = 0;
};

TEST_F(PrimeiraInstancia, SegundaPartidaEncontraAPrimeiraEAAtiva) {
    ASSERT_FALSE(plataforma::PrevInstance());
    SegundaPartida("token-da-segunda-partida");
    // The request waits in the socket's queue until this process lets its events run.
    EXPECT_TRUE(EsperaEventos([&] { return ativacoes > 0; }));
    EXPECT_EQ(ativacoes, 1);
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "token-da-segunda-partida")
        << "the second start's token is the first's to activate its window with";
}

TEST_F(PrimeiraInstancia, SucedeAUmaPrimeiraMortaEAtendeASegundaPartida) {
    QProcess morta;
    IniciaFilho(morta, "morta");
    QByteArray saida;
    while (!saida.contains("pronta")) {
        ASSERT_TRUE(morta.waitForReadyRead(60000)) << "the first instance to kill did not start";
        saida += morta.readAllStandardOutput();
    }
    morta.kill();
    ASSERT_TRUE(morta.waitForFinished(60000));
    struct stat info {};
    ASSERT_EQ(::lstat(CaminhoSoquete(pastas).c_str(), &info), 0);
    ASSERT_TRUE(S_ISSOCK(info.st_mode)) << "the killed instance's socket file is left";
    EXPECT_FALSE(Par().Valido()) << "answered by nobody";

    ASSERT_FALSE(plataforma::PrevInstance()) << "its lock is stale: this process is the instance now";
    SegundaPartida("token-depois-da-morta");
    EXPECT_TRUE(EsperaEventos([&] { return ativacoes > 0; }));
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "token-depois-da-morta");
}

TEST_F(PrimeiraInstancia, ParesMudosNaoRetemASegundaPartida) {
    ASSERT_FALSE(plataforma::PrevInstance());
    std::vector<plataforma::Descritor> mudos;
    for (std::size_t i = 0; i <= plataforma::EscutaAtivacao::ParesEmEspera; ++i) {
        mudos.push_back(Par());
        QCoreApplication::processEvents();
    }
    // The newest starts a request it never ends.
    ASSERT_TRUE(plataforma::EnviaTudo(mudos.back(), "ativa\n"));
    ASSERT_TRUE(EsperaEventos([&] { return FechadoPeloOutroLado(mudos.front()); }))
        << "one too many waited: the oldest is let go";
    SegundaPartida("token-apesar-dos-mudos");
    EXPECT_TRUE(EsperaEventos([&] { return ativacoes > 0; }));
    EXPECT_EQ(ativacoes, 1);
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "token-apesar-dos-mudos");
    EXPECT_FALSE(FechadoPeloOutroLado(mudos.back())) << "the others are still heard";
}

TEST_F(PrimeiraInstancia, SoUmPedidoQueCabeAtiva) {
    ASSERT_FALSE(plataforma::PrevInstance());
    EXPECT_EQ(ModoDoArquivo(CaminhoSoquete(pastas)), 0600u) << "for this user alone, whatever the umask";
    const std::string cabecalho = "ativa\nXDG_ACTIVATION_TOKEN=do-par\n";
    const std::string cheio =
        cabecalho + std::string(plataforma::TamanhoMaximoPedido - cabecalho.size() - 1, '#') + '\n';
    const struct {
        const char* caso;
        std::string enviado;
        bool terminaDeEnviar;
        int ativacoes;
    } casos[] = {
        {"nada", "", true, 0},
        {"lixo", std::string("\x01\xff lixo\n", 8), true, 0},
        {"tokens sem a linha do pedido", "XDG_ACTIVATION_TOKEN=do-par\n", true, 0},
        {"um pedido no limite", cheio, true, 1},
        {"um byte a mais", cheio + "#", true, 0},
        {"muito mais, sem terminar", cheio + std::string(3 * plataforma::TamanhoMaximoPedido, '#'), false, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        qunsetenv("XDG_ACTIVATION_TOKEN");
        ativacoes = 0;
        const plataforma::Descritor par = Par();
        ASSERT_TRUE(plataforma::EnviaTudo(par, c.enviado));
        if (c.terminaDeEnviar)
            ::shutdown(par.Fd(), SHUT_WR);
        EXPECT_TRUE(EsperaEventos([&] { return FechadoPeloOutroLado(par); })) << "the peer is let go";
        EXPECT_EQ(ativacoes, c.ativacoes);
        EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), c.ativacoes ? "do-par" : "");

        plataforma::AppActivate("e-Telvanor 3.1 Standard");
        EXPECT_TRUE(EsperaEventos([&] { return ativacoes > c.ativacoes; })) << "a request still gets through";
    }
}

TEST_F(PrimeiraInstancia, UmSoqueteQueNaoSePodeAbrirEDito) {
    const std::string longa = pastas.Raiz() + "/" + std::string(100, 'r');
    ASSERT_EQ(::mkdir(longa.c_str(), 0700), 0);
    ::setenv("XDG_RUNTIME_DIR", longa.c_str(), 1);
    DiagnosticosGuardados diagnosticos;
    EXPECT_FALSE(plataforma::PrevInstance()) << "the lock alone makes this process the instance";
    EXPECT_EQ(diagnosticos.Retira(), "e-Telvanor: um segundo início não poderá trazer a janela: " + longa +
                                         "/e-Telvanor/instancia.sock: File name too long\n");
}

} // namespace
