// The single instance across two real processes: the test program starts itself a second time, with
// an activation token the first receives.
#include "platform/escolha_backend.h"
#include "platform/qt/instancia.h"
#include "support/pastas_temporarias.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdlib>

namespace {

constexpr const char* VariavelFilho = "TELVANOR_TESTE_SEGUNDA_INSTANCIA";

// Runs only inside the child process started by the test below.
TEST(InstanciaUnica, SegundoProcesso) {
    if (!std::getenv(VariavelFilho))
        GTEST_SKIP() << "started only by InstanciaUnica.SegundaPartidaEncontraAPrimeiraEAAtiva";
    plataforma::DefineBackend<plataforma::Instancia>(nullptr);
    ASSERT_TRUE(plataforma::PrevInstance());
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN")) << "kept for the first, not spent here";
    plataforma::AppActivate("e-Telvanor 3.1 Standard");
}

TEST(InstanciaUnica, SegundaPartidaEncontraAPrimeiraEAAtiva) {
    if (std::getenv(VariavelFilho))
        GTEST_SKIP();
    PastasTemporarias pastas;
    plataforma::DefineBackend<plataforma::Instancia>(nullptr);
    int ativacoes = 0;
    plataforma::DefineAoAtivar([&] { ++ativacoes; });
    ASSERT_FALSE(plataforma::PrevInstance());

    QProcess filho;
    auto ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(VariavelFilho, "1");
    ambiente.insert("XDG_ACTIVATION_TOKEN", "token-da-segunda-partida");
    qunsetenv("XDG_ACTIVATION_TOKEN");
    filho.setProcessEnvironment(ambiente);
    filho.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=InstanciaUnica.SegundoProcesso"});
    ASSERT_TRUE(filho.waitForFinished(60000));
    EXPECT_EQ(filho.exitCode(), 0) << filho.readAllStandardOutput().toStdString();

    // The request waits in the socket's queue until this process lets its events run.
    QElapsedTimer limite;
    limite.start();
    while (ativacoes == 0 && limite.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_EQ(ativacoes, 1);
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "token-da-segunda-partida")
        << "the second start's token is the first's to activate its window with";
    qunsetenv("XDG_ACTIVATION_TOKEN");

    plataforma::DefineAoAtivar(nullptr);
    plataforma::DefineBackend<plataforma::Instancia>(nullptr);
}

} // namespace
