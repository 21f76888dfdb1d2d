// A writer killed at any moment: the settings file always holds a whole old or new value, and the
// next successful write leaves nothing beside it.
#include "support/pastas_teste.h"

#include "platform/perfil/perfil.h"

#include <gmock/gmock.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace plataforma;

namespace {

class EscritorMorto : public PastasTeste {};

// Long enough that a write takes a while, so that kills land inside it as well as between writes.
const std::string Recheio(20000, 'r');

std::string Texto(long n) { return "[Config]\r\nValor=" + std::to_string(n) + Recheio + "\r\n"; }

TEST_F(EscritorMorto, ArquivoSempreInteiroENadaSobraAoLado) {
    const std::string arquivo = Raiz() + "/Config.ini";
    ASSERT_TRUE(WritePrivateProfileStringA("Config", "Valor", ("0" + Recheio).c_str(), arquivo.c_str()));
    std::mt19937 gerador(13);
    // The kill's moment is left to chance; the checks below hold whenever it comes.
    std::uniform_int_distribution<int> espera(0, 3000);
    long ultimo = 0;
    for (int rodada = 0; rodada < 200; ++rodada) {
        SCOPED_TRACE(rodada);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (long n = ultimo + 1;; ++n)
                WritePrivateProfileStringA("Config", "Valor", (std::to_string(n) + Recheio).c_str(),
                                           arquivo.c_str());
        }
        ::usleep(static_cast<useconds_t>(espera(gerador)));
        ::kill(pid, SIGKILL);
        int estado = 0;
        ASSERT_EQ(::waitpid(pid, &estado, 0), pid);

        const std::string conteudo = Conteudo(arquivo);
        const auto igual = conteudo.find('=');
        ASSERT_NE(igual, std::string::npos) << conteudo.substr(0, 80);
        const long n = std::stol(conteudo.substr(igual + 1));
        ASSERT_EQ(conteudo, Texto(n)) << "a torn file";
        ASSERT_GE(n, ultimo) << "an older value came back";
        ultimo = n;

        ASSERT_TRUE(WritePrivateProfileStringA(
            "Config", "Valor", (std::to_string(++ultimo) + Recheio).c_str(), arquivo.c_str()));
        ASSERT_THAT(Entradas(Raiz()), ::testing::ElementsAre("Config.ini", "config", "programa", "run"));
    }
}

} // namespace
