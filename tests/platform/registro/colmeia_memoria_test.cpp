// The hive kept in memory between calls: every way another writer changes the file is seen, a batch
// is one rewrite, two processes writing at once lose nothing, the lock leaves nothing behind, and the
// indexes give the same answers as a plain search would.
#include "support/pastas_teste.h"

#include "platform/arquivos/trava_arquivo.h"
#include "platform/registro/colmeia_dados.h"
#include "platform/registro/configuracoes_usuario.h"
#include "support/colmeia_lida.h"
#include "support/gravacao_recusada.h"
#include "support/substituicoes_contadas.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace plataforma;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

namespace {

class ColmeiaEmMemoria : public PastasTeste {
protected:
    std::string arquivo = PastaUsuario() + "/registro.reg";
};

TEST_F(ColmeiaEmMemoria, MudancaDeOutroEscritorEVista) {
    std::filesystem::create_directories(PastaUsuario());
    const std::string texto = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\App\\Sec]\n\"v\"=\"1\"\n";
    const struct {
        const char* nome;
        std::function<void(const std::string&)> muda;
        const char* esperado;
    } casos[] = {
        // Same size and inode, most likely within the same tick of the file's clock.
        {"reescrito no lugar",
         [&](const std::string& a) { Grava(a, std::string(texto).replace(texto.find("\"1\""), 3, "\"2\"")); },
         "2"},
        {"substituído por outro",
         [&](const std::string& a) {
             Grava(a + ".novo", std::string(texto).replace(texto.find("\"1\""), 3, "\"outro\""));
             std::filesystem::rename(a + ".novo", a);
         },
         "outro"},
        {"apagado", [](const std::string& a) { std::filesystem::remove(a); }, ""},
        {"gravado de novo por este processo", [](const std::string&) { SaveSetting("App", "Sec", "v", "3"); },
         "3"},
    };
    for (const auto& c : casos) {
        Grava(arquivo, texto);
        ASSERT_EQ(GetSetting("App", "Sec", "v"), "1") << c.nome;
        c.muda(arquivo);
        EXPECT_EQ(GetSetting("App", "Sec", "v"), c.esperado) << c.nome;
    }
}

TEST_F(ColmeiaEmMemoria, LoteEUmaSoGravacaoNoFim) {
    SaveSetting("App", "Sec", "a", "0");
    const std::string antes = Conteudo(arquivo);
    SubstituicoesContadas substituicoes(PastaUsuario(), "registro.reg");
    {
        const LoteConfiguracoes lote;
        SaveSetting("App", "Sec", "a", "1");
        {
            const LoteConfiguracoes dentro;
            SaveSetting("App", "Sec", "b", "2");
            DeleteSetting("App", "Velha");
        }
        SaveSetting("App", "Outra", "c", "3");
        EXPECT_EQ(GetSetting("App", "Sec", "b"), "2") << "the batch reads its own writes";
        EXPECT_EQ(Conteudo(arquivo), antes) << "nothing written before the end";
        EXPECT_EQ(substituicoes.Contagem(), 0);
    }
    EXPECT_EQ(substituicoes.Contagem(), 1);
    EXPECT_THAT(GetAllSettings("App", "Sec"), ElementsAre(Pair("a", "1"), Pair("b", "2")));
    { const LoteConfiguracoes vazio; }
    EXPECT_EQ(substituicoes.Contagem(), 1) << "a batch that changed nothing writes nothing";
}

TEST_F(ColmeiaEmMemoria, GravacaoRecusadaDeixaArquivoEMemoriaComoEstavam) {
    SaveSetting("App", "Sec", "a", "0");
    const std::string antes = Conteudo(arquivo);
    {
        const GravacaoRecusada recusada;
        SaveSetting("App", "Sec", "a", "1");
        const LoteConfiguracoes lote;
        SaveSetting("App", "Sec", "b", "2");
    }
    EXPECT_EQ(Conteudo(arquivo), antes);
    EXPECT_EQ(GetSetting("App", "Sec", "a"), "0") << "the refused change is not kept in memory either";
    EXPECT_EQ(GetSetting("App", "Sec", "b", "ausente"), "ausente");
    EXPECT_THAT(Entradas(PastaUsuario()), ElementsAre("registro.reg"));
}

TEST_F(ColmeiaEmMemoria, DoisProcessosNaoPerdemGravacoes) {
    SaveSetting("App", "Sec", "inicio", "1");
    constexpr int kPorProcesso = 40;
    pid_t filhos[2];
    for (int p = 0; p < 2; ++p) {
        filhos[p] = ::fork();
        ASSERT_GE(filhos[p], 0);
        if (filhos[p] == 0) {
            for (int i = 0; i < kPorProcesso; ++i)
                SaveSetting("App", "Sec", "p" + std::to_string(p) + "-" + std::to_string(i), "v");
            ::_exit(0);
        }
    }
    for (const pid_t filho : filhos) {
        int estado = 0;
        ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
        EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    }
    EXPECT_EQ(GetAllSettings("App", "Sec").size(), 1u + 2 * kPorProcesso);
}

TEST_F(ColmeiaEmMemoria, TravaCriaOArquivoSoParaODonoENadaAoLado) {
    const std::string travado = Raiz() + "/travado";
    {
        const TravaArquivo trava(travado);
        EXPECT_TRUE(trava.Obtida());
    }
    EXPECT_THAT(Entradas(Raiz()), ElementsAre("config", "programa", "run", "travado"));
    EXPECT_EQ(Modo(travado), 0600u);
    EXPECT_FALSE(TravaArquivo(Raiz() + "/sem/pasta").Obtida());
}

// A vanished parent comes back as the keys spelled it, whatever spelling the deletion used.
TEST_F(ColmeiaEmMemoria, PaiRecriadoComAGrafiaDaChave) {
    SaveSetting("eTelvanor2", "ini", "Y", "1");
    DeleteSetting("ETELVANOR2", "INI");
    EXPECT_TRUE(ExisteChaveRegistro("HKEY_CURRENT_USER\\Software\\eTelvanor2"));
    EXPECT_THAT(Conteudo(arquivo), HasSubstr("[HKEY_CURRENT_USER\\Software\\eTelvanor2]\n"));
    EXPECT_THAT(Conteudo(arquivo), ::testing::Not(HasSubstr("ETELVANOR2")));
}

// Past a few values a key answers through its index; removing one and adding again keep it in step.
TEST(ChaveComMuitosValores, IndiceRespondeComoABusca) {
    ChaveColmeia chave("HKEY_CURRENT_USER\\Software\\App");
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(chave.DefineValor("Nome" + std::to_string(i), REG_SZ, std::to_string(i)));
    EXPECT_TRUE(chave.RemoveValor("NOME3"));
    EXPECT_FALSE(chave.RemoveValor("nome3"));
    EXPECT_TRUE(chave.DefineValor("nome3", REG_SZ, "novo"));
    EXPECT_FALSE(chave.DefineValor("NOME19", REG_SZ, "19"));
    for (int i = 0; i < 20; ++i) {
        const ValorColmeia* valor = chave.Valor("nOME" + std::to_string(i));
        ASSERT_TRUE(valor) << i;
        EXPECT_EQ(valor->dados, i == 3 ? "novo" : std::to_string(i));
    }
    EXPECT_EQ(chave.Valores().back().nome, "nome3") << "a value set again after removal goes last";
    EXPECT_EQ(chave.Valores()[3].nome, "Nome4");
}

TEST(ColmeiaIndexada, ExistenciaEGrafiaAposRemocao) {
    Colmeia colmeia;
    colmeia.Garante("HKEY_CURRENT_USER\\Software\\A\\B\\C");
    colmeia.Garante("hkey_current_user\\SOFTWARE\\a\\D");
    EXPECT_EQ(colmeia.Chaves().back().Caminho(), "HKEY_CURRENT_USER\\Software\\A\\D");
    EXPECT_TRUE(colmeia.Existe("hkey_current_user\\software\\a\\b"));
    EXPECT_TRUE(colmeia.TemSubchaves("HKEY_CURRENT_USER\\Software\\A"));
    EXPECT_TRUE(colmeia.Remove("HKEY_CURRENT_USER\\SOFTWARE\\A\\B"));
    EXPECT_FALSE(colmeia.Existe("HKEY_CURRENT_USER\\Software\\A\\B\\C"));
    EXPECT_FALSE(colmeia.Existe("HKEY_CURRENT_USER\\Software\\A\\B"));
    EXPECT_TRUE(colmeia.Existe("HKEY_CURRENT_USER\\Software\\A"));
    EXPECT_FALSE(colmeia.Acha("HKEY_CURRENT_USER\\Software\\A")) << "it still exists through D";
    EXPECT_EQ(colmeia.Garante("HKEY_CURRENT_USER\\software\\a\\b").Caminho(),
              "HKEY_CURRENT_USER\\Software\\A\\b");
}

} // namespace
