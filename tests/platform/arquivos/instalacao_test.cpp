// An installed program folder stays as it was installed: what is told to become an installation,
// where the settings file is read and written for each user, and that the user's copy starts from the
// installed file (the system-wide defaults' when there are some) and stands for it under either
// spelling of its name.
#include "support/pastas_teste.h"

#include "platform/arquivos/instalacao.h"
#include "platform/perfil/perfil.h"

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plataforma;

namespace {

class Instalacao : public PastasTeste {
protected:
    Instalacao() {
        Grava(Programa() + "/Config.ini",
              "[Config]\r\nPrimeira Vez=1\r\n\r\n[Pop3]\r\nTempo de Espera= 30\r\n");
    }
    ~Instalacao() override { ::chmod(Programa().c_str(), 0755); }
    void Instala() const { Grava(Programa() + "/" + MarcaInstalacao, ""); }

    static std::string Le(const std::string& arquivo, const char* secao, const char* chave) {
        char buffer[255];
        const std::uint32_t n =
            GetPrivateProfileStringA(secao, chave, "", buffer, sizeof buffer, arquivo.c_str());
        return std::string(buffer, n);
    }
    static bool Escreve(const std::string& arquivo, const char* secao, const char* chave, const char* valor) {
        return WritePrivateProfileStringA(secao, chave, valor, arquivo.c_str());
    }

    // Asks as a user other than root, whom no permission stops; the folders must let that user in.
    // The answer is 1 or 0, and 2 when the question could not be asked.
    int ComoUsuarioComum(const std::function<bool()>& pergunta) const {
        if (::geteuid() != 0)
            return pergunta() ? 1 : 0;
        ::chmod(Raiz().c_str(), 0755);
        const pid_t filho = ::fork();
        if (filho == 0)
            ::_exit(::setgid(65534) != 0 || ::setuid(65534) != 0 ? 2 : pergunta() ? 1 : 0);
        int estado = 0;
        ::waitpid(filho, &estado, 0);
        return WIFEXITED(estado) ? WEXITSTATUS(estado) : 2;
    }
};

TEST_F(Instalacao, MarcaOuPastaSemEscritaFazemDaPastaUmaInstalacao) {
    ::chmod(Programa().c_str(), 0777);
    EXPECT_EQ(ComoUsuarioComum([] { return ProgramaInstalado(); }), 0) << "pasta de todos, sem marca";
    ::chmod(Programa().c_str(), 0555);
    EXPECT_EQ(ComoUsuarioComum([] { return ProgramaInstalado(); }), 1) << "pasta sem escrita";
    ::chmod(Programa().c_str(), 0755);
    Instala();
    EXPECT_TRUE(ProgramaInstalado()) << "marca, mesmo para quem pode escrever";
}

TEST_F(Instalacao, CadaUsuarioGravaNaSuaCopiaComecadaDoArquivoInstalado) {
    Instala();
    const std::string instalado = Conteudo(Programa() + "/Config.ini");
    EXPECT_EQ(Le(Programa() + "/Config.ini", "Config", "Primeira Vez"), "1");

    // The callers spell the file both ways; the copy keeps the installed spelling.
    ASSERT_TRUE(Escreve(Programa() + "/config.ini", "Config", "Primeira Vez", "0"));
    EXPECT_EQ(Conteudo(Programa() + "/Config.ini"), instalado);
    EXPECT_EQ(Entradas(Programa()), (std::vector<std::string>{"Config.ini", MarcaInstalacao, "sistema"}));
    EXPECT_EQ(Conteudo(PastaUsuario() + "/Config.ini"),
              "[Config]\r\nPrimeira Vez=0\r\n\r\n[Pop3]\r\nTempo de Espera= 30\r\n");
    for (const char* nome : {"/Config.ini", "/config.ini", "/CONFIG.INI"}) {
        EXPECT_EQ(Le(Programa() + nome, "Config", "Primeira Vez"), "0") << nome;
        EXPECT_EQ(Le(Programa() + nome, "Pop3", "Tempo de Espera"), "30") << nome;
    }

    // A second user starts from the installed file, untouched by the first.
    ::setenv("XDG_CONFIG_HOME", (Raiz() + "/outro").c_str(), 1);
    EXPECT_EQ(Le(Programa() + "/Config.ini", "Config", "Primeira Vez"), "1");
    ASSERT_TRUE(Escreve(Programa() + "/Config.ini", "Config", "Rediscar", "False"));
    EXPECT_EQ(Le(Programa() + "/Config.ini", "Config", "Primeira Vez"), "1");
    EXPECT_EQ(Le(Programa() + "/Config.ini", "Config", "Rediscar"), "False");
    EXPECT_EQ(Conteudo(Programa() + "/Config.ini"), instalado);
}

TEST_F(Instalacao, OsPadroesDoSistemaComecamACopiaDeCadaUsuario) {
    struct Caso {
        const char* nome;
        bool instalado;
        const char* padroes; // the system-wide defaults' file name
        std::string lido;    // what the first start reads, before it writes
    };
    const std::vector<Caso> casos = {
        {"instalado, com padrões", true, "Config.ini", "45"},
        {"instalado, padrões com outra grafia", true, "config.INI", "45"},
        {"pasta do usuário, padrões ignorados", false, "Config.ini", "30"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        std::filesystem::remove_all(Raiz() + "/padroes");
        std::filesystem::remove_all(PastaUsuario());
        std::filesystem::remove(Programa() + "/" + MarcaInstalacao);
        const std::string padrao = "[Config]\r\nPrimeira Vez=1\r\n\r\n[Pop3]\r\nTempo de Espera= 45\r\n";
        std::filesystem::create_directories(Raiz() + "/padroes");
        Grava(Raiz() + "/padroes/" + c.padroes, padrao);
        if (c.instalado)
            Instala();
        const std::string programa = Conteudo(Programa() + "/Config.ini");

        EXPECT_EQ(Le(Programa() + "/Config.ini", "Pop3", "Tempo de Espera"), c.lido);
        ASSERT_TRUE(Escreve(Programa() + "/Config.ini", "Config", "Primeira Vez", "0"));
        EXPECT_EQ(Le(Programa() + "/Config.ini", "Pop3", "Tempo de Espera"), c.lido);
        EXPECT_EQ(Le(Programa() + "/Config.ini", "Config", "Primeira Vez"), "0");
        EXPECT_EQ(Conteudo(Raiz() + "/padroes/" + c.padroes), padrao) << "os padrões não mudam";
        // Later edits of the defaults reach only users who have not started yet.
        Grava(Raiz() + "/padroes/" + c.padroes, "[Pop3]\r\nTempo de Espera= 50\r\n");
        EXPECT_EQ(Le(Programa() + "/Config.ini", "Pop3", "Tempo de Espera"), c.lido);
        if (c.instalado)
            EXPECT_EQ(Conteudo(Programa() + "/Config.ini"), programa);
        else
            ASSERT_TRUE(Escreve(Programa() + "/Config.ini", "Config", "Primeira Vez", "1"));
    }
}

TEST_F(Instalacao, SoOQueFicaDentroDaPastaInstaladaVaiParaACopiaDoUsuario) {
    Grava(Raiz() + "/fora.ini", "");
    struct Caso {
        bool instalado;
        std::string caminho;
        std::string gravado; // where the write lands
    };
    const std::vector<Caso> casos = {
        {false, Programa() + "/sistema/e-Telvanor3Std.reg", Programa() + "/sistema/e-Telvanor3Std.reg"},
        {true, Programa() + "/sistema/e-Telvanor3Std.reg", PastaUsuario() + "/sistema/e-Telvanor3Std.reg"},
        {true, Programa() + "/./sistema//e-Telvanor3Std.reg", PastaUsuario() + "/sistema/e-Telvanor3Std.reg"},
        {true, Programa() + "/../fora.ini", Programa() + "/../fora.ini"},
        {true, Programa(), Programa()},
    };
    for (const Caso& c : casos) {
        if (c.instalado)
            Instala();
        const auto gravado = CaminhoDeGravacao(c.caminho);
        ASSERT_TRUE(gravado.has_value()) << c.caminho;
        EXPECT_EQ(std::filesystem::path(*gravado).lexically_normal(),
                  std::filesystem::path(c.gravado).lexically_normal())
            << c.caminho;
        // A file the installation lacks gets its folder ready, but no file yet.
        EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(*gravado).parent_path()))
            << c.caminho;
        EXPECT_EQ(CaminhoDeLeitura(c.caminho), c.caminho) << "nada gravado ainda: " << c.caminho;
    }
}

TEST_F(Instalacao, ArquivoInstaladoIlegivelNaoViraUmaCopiaIncompleta) {
    Instala();
    // Unreadable in the program folder, then as the system-wide defaults over a good program folder's.
    for (const std::string& pasta : {Programa(), Raiz() + "/padroes"}) {
        SCOPED_TRACE(pasta);
        std::filesystem::remove(pasta + "/Config.ini");
        std::filesystem::create_directories(pasta + "/Config.ini");
        EXPECT_FALSE(CaminhoDeGravacao(Programa() + "/Config.ini").has_value());
        EXPECT_FALSE(Escreve(Programa() + "/Config.ini", "Config", "Primeira Vez", "0"));
        EXPECT_FALSE(std::filesystem::exists(PastaUsuario() + "/Config.ini"));
        std::filesystem::remove(pasta + "/Config.ini");
        Grava(Programa() + "/Config.ini", "[Config]\r\nPrimeira Vez=1\r\n");
    }
}

} // namespace
