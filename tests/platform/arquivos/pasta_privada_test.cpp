// The runtime folder outside the user's own tree: what makes a folder there fit to hold the line's
// state and the instance's lock, and the link another user could leave there.
#include "support/chamadas_discagem.h"
#include "support/pastas_teste.h"

#include "platform/arquivos/pasta_privada.h"
#include "platform/arquivos/pastas.h"
#include "platform/discagem/ras.h"
#include "platform/discagem/simulada/arquivo_linha.h"
#include "platform/discagem/simulada/linha_simulada.h"
#include "platform/nucleo/escolha_backend.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace plataforma;

namespace {

class PastaPrivada : public PastasTeste {
protected:
    std::string Pasta() const { return Raiz() + "/privada"; }
    std::string Alvo() const { return Raiz() + "/alvo"; }
};

// Each case prepares what lies at the folder's name; another owner is the same folder checked for
// another user. The modes decide alike for the superuser the tests may run as.
TEST_F(PastaPrivada, SoUmaPastaDeVerdadeDoUsuarioComModo0700Serve) {
    using Prepara = std::function<void(const std::string& pasta, const std::string& alvo)>;
    const auto comModo = [](mode_t modo) -> Prepara {
        return [modo](const std::string& pasta, const std::string&) {
            ::mkdir(pasta.c_str(), 0700);
            ::chmod(pasta.c_str(), modo);
        };
    };
    const struct {
        const char* caso;
        Prepara prepara;
        uid_t dono;
        FalhaPasta esperada;
    } casos[] = {
        {"ausente: criada", [](const std::string&, const std::string&) {}, ::getuid(), FalhaPasta::Nenhuma},
        {"já do usuário, 0700", comModo(0700), ::getuid(), FalhaPasta::Nenhuma},
        {"legível pelo grupo", comModo(0750), ::getuid(), FalhaPasta::ModoAberto},
        {"com o bit setgid", comModo(02700), ::getuid(), FalhaPasta::ModoAberto},
        {"fechada à gravação", comModo(0500), ::getuid(), FalhaPasta::SemGravacao},
        {"sem entrada", comModo(0600), ::getuid(), FalhaPasta::SemGravacao},
        {"de outro dono", comModo(0700), ::getuid() + 1, FalhaPasta::OutroDono},
        {"link para uma pasta própria",
         [](const std::string& pasta, const std::string& alvo) {
             ::mkdir(alvo.c_str(), 0700);
             std::filesystem::create_directory_symlink(alvo, pasta);
         },
         ::getuid(), FalhaPasta::NaoEPasta},
        {"link pendente",
         [](const std::string& pasta, const std::string& alvo) {
             std::filesystem::create_directory_symlink(alvo, pasta);
         },
         ::getuid(), FalhaPasta::NaoEPasta},
        {"um arquivo", [](const std::string& pasta, const std::string&) { GravaArquivo(pasta, "x"); },
         ::getuid(), FalhaPasta::NaoEPasta},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        std::filesystem::remove_all(Pasta());
        std::filesystem::remove_all(Alvo());
        c.prepara(Pasta(), Alvo());
        const unsigned antes = Modo(Pasta());
        EXPECT_EQ(GarantePastaPrivada(Pasta(), c.dono), c.esperada);
        EXPECT_EQ(Modo(Pasta()), c.esperada == FalhaPasta::Nenhuma ? 0700u : antes)
            << "a folder that does not fit is left as found";
    }
}

TEST_F(PastaPrivada, PastaQueNaoPodeSerCriadaFalha) {
    EXPECT_EQ(GarantePastaPrivada(Raiz() + "/falta/privada", ::getuid()), FalhaPasta::NaoCriada);
    EXPECT_FALSE(std::filesystem::exists(Raiz() + "/falta"));
}

TEST_F(PastaPrivada, SemXdgRuntimeDirAPastaEDoUsuarioEmTmp) {
    const std::string antes = std::getenv("XDG_RUNTIME_DIR");
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(PastaExecucao(), "/tmp/e-Telvanor-" + std::to_string(::getuid()));
    ::setenv("XDG_RUNTIME_DIR", antes.c_str(), 1);
    EXPECT_EQ(PastaExecucao(), antes + "/e-Telvanor");
}

// Another user made the runtime folder first, open to all, with the line's state file a link to a
// file of the victim's: neither a start of the line nor a drop writes through it.
TEST_F(PastaPrivada, LinkDeixadoNaPastaDeExecucaoNaoEscreveNoArquivoDaVitima) {
    const std::string vitima = Raiz() + "/vitima.txt";
    GravaArquivo(vitima, "dados da vítima");
    const std::string execucao = PastaExecucao();
    ::mkdir(execucao.c_str(), 0700);
    ::chmod(execucao.c_str(), 0777);
    std::filesystem::create_symlink(vitima, execucao + "/linha-simulada");

    EXPECT_EQ(PreparaPastaExecucao(), FalhaPasta::ModoAberto);
    const auto linha = LinhaSimuladaDoUsuario();
    DefineBackend<ServicoDiscagem>(linha);
    HRASCONN conexao = 0;
    Disca("Provedor Simulado", "", "", &conexao);
    linha->Derruba();
    DefineBackend<ServicoDiscagem>(nullptr);
    EXPECT_EQ(LeArquivo(vitima), "dados da vítima");

    // Even in a folder that passes, the state file is never opened through a link.
    ::chmod(execucao.c_str(), 0700);
    const ArquivoLinha arquivo(execucao + "/linha-simulada");
    EXPECT_FALSE(arquivo.Aberto());
    EXPECT_EQ(LeArquivo(vitima), "dados da vítima");
}

} // namespace
