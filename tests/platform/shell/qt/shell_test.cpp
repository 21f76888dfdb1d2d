// The desktop shell backend: command lines split without a shell, desktop entries read, programs and
// the roles' default applications really started.
#include "platform/nucleo/escolha_backend.h"
#include "platform/shell/qt/aplicativo_padrao.h"
#include "platform/shell/qt/shell.h"
#include "support/pastas_temporarias.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

using plataforma::DivideLinhaDeComando;
using Lista = std::vector<std::string>;

// Split without a shell; a path with blanks written without quotes names the program when such a
// program exists.
TEST(LinhaDeComando, DivideSemShell) {
    const std::set<std::string> existentes = {"/bin/ls", "/opt/Meus Programas/leitor",
                                              "/opt/Meus Programas/leitor novo"};
    const auto existe = [&](const std::string& p) { return existentes.count(p) > 0; };
    const std::pair<const char*, Lista> casos[] = {
        {"   ", {}},
        {"  leitor   -a\t b  ", {"leitor", "-a", "b"}},
        {"\"/opt/Meu Leitor/leitor\" \"um arquivo\" x", {"/opt/Meu Leitor/leitor", "um arquivo", "x"}},
        {"eco \"diz \\\"oi\\\"\" c:\\pasta\\", {"eco", "diz \"oi\"", "c:\\pasta\\"}},
        {"eco $HOME;rm -rf x|y `z`", {"eco", "$HOME;rm", "-rf", "x|y", "`z`"}},
        {"eco a\"b c\"d", {"eco", "ab cd"}},
        {"/opt/Meus Programas/leitor novo -x", {"/opt/Meus Programas/leitor", "novo", "-x"}},
        {"/opt/Meus Programas/nada -x", {"/opt/Meus", "Programas/nada", "-x"}},
        {"\"/opt/Meus\" Programas/leitor", {"/opt/Meus", "Programas/leitor"}},
        {"/bin/ls /opt/Meus Programas/leitor", {"/bin/ls", "/opt/Meus", "Programas/leitor"}},
    };
    for (const auto& [linha, esperado] : casos) {
        EXPECT_EQ(DivideLinhaDeComando(linha, existe), esperado) << linha;
    }
    EXPECT_EQ(DivideLinhaDeComando("/opt/Meus Programas/leitor -x"),
              (Lista{"/opt/Meus", "Programas/leitor", "-x"}));
}

TEST(EntradaDaArea, ComandoSemCodigosDeCampo) {
    const std::pair<const char*, Lista> casos[] = {
        {"[Desktop Entry]\nName=Nav\nExec=navegador %u\n", {"navegador"}},
        {"[Desktop Entry]\nExec = \"/opt/Meu Nav/nav\" --nova-janela %U --x=%f 100%%\n",
         {"/opt/Meu Nav/nav", "--nova-janela", "--x=", "100%"}},
        {"# comentário\n[Outra]\nExec=errado\n[Desktop Entry]\nExec=certo\\s%F\n", {"certo"}},
        {"[Desktop Action nova]\nExec=acao\n", {}},
    };
    for (const auto& [entrada, esperado] : casos) {
        EXPECT_EQ(plataforma::ComandoDaEntrada(entrada), esperado) << entrada;
    }
}

// Real processes of the desktop backend; each leaves a mark file that the test waits for.
class ShellDaArea : public ::testing::Test {
protected:
    ShellDaArea() { // desktop entries and associations only from this test's folders
        plataforma::DefineBackend<plataforma::Shell>(nullptr);
        setenv("XDG_DATA_HOME", (raiz() + "/dados").c_str(), 1);
        setenv("XDG_DATA_DIRS", (raiz() + "/sistema").c_str(), 1);
        QDir().mkpath(QString::fromStdString(raiz() + "/dados/applications"));
    }
    ~ShellDaArea() override {
        unsetenv("XDG_DATA_HOME");
        unsetenv("XDG_DATA_DIRS");
    }

    std::string raiz() const { return pastas.ConfigHome() + "/.."; }

    // An executable script that writes its arguments into `marca`.
    std::string Roteiro(const std::string& caminho, const std::string& marca) {
        QDir().mkpath(QFileInfo(QString::fromStdString(caminho)).path());
        GravaArquivo(caminho, "#!/bin/sh\necho \"$@\" > '" + marca + "'\n");
        QFile::setPermissions(QString::fromStdString(caminho),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return caminho;
    }

    // What the started process wrote, once it has; empty when it did not within five seconds.
    static std::string Espera(const std::string& marca) {
        for (int i = 0; i < 100; ++i) {
            const std::string texto = LeArquivo(marca);
            if (!texto.empty())
                return texto;
            QThread::msleep(50);
        }
        return {};
    }

    PastasTemporarias pastas;
};

TEST_F(ShellDaArea, WinExecIniciaOProgramaComArgumentos) {
    const std::string marca = raiz() + "/marca";
    const std::string programa = Roteiro(raiz() + "/Meus Programas/leitor", marca);
    EXPECT_GT(plataforma::WinExec((programa + " um \"dois tres\"").c_str(), plataforma::SW_SHOWMINIMIZED),
              31u);
    EXPECT_EQ(Espera(marca), "um dois tres\n");
    EXPECT_LE(plataforma::WinExec((raiz() + "/nada/programa -x").c_str(), 2), 31u);
}

TEST_F(ShellDaArea, PapelAbreOPadraoRegistrado) {
    const std::string marcaNav = raiz() + "/marca-nav";
    const std::string marcaEmail = raiz() + "/marca-email";
    GravaArquivo(raiz() + "/dados/applications/nav-teste.desktop",
                 "[Desktop Entry]\nType=Application\nExec=" + Roteiro(raiz() + "/bin/nav", marcaNav) +
                     " inicio %u\n");
    GravaArquivo(raiz() + "/dados/applications/email-teste.desktop",
                 "[Desktop Entry]\nType=Application\nExec=" + Roteiro(raiz() + "/bin/email", marcaEmail) +
                     " %U\n");
    GravaArquivo(pastas.ConfigHome() + "/mimeapps.list",
                 "[Default Applications]\nx-scheme-handler/http=ausente.desktop;nav-teste.desktop;\n"
                 "x-scheme-handler/mailto=email-teste.desktop\n");

    EXPECT_GT(plataforma::ShellExecuteA(0, "Open", "iexplore.exe", "", "", 1), 32);
    EXPECT_EQ(Espera(marcaNav), "inicio\n");
    EXPECT_GT(plataforma::ShellExecuteA(0, "Open", "MSIMN.EXE", "", "", 1), 32);
    EXPECT_EQ(Espera(marcaEmail), "\n");
}

} // namespace
