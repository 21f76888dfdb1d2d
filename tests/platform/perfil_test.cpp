// Private-profile files: what a read finds (case, blanks, quotes, buffer size, absent parts), what a
// write changes and what it must leave exactly as it was.
#include "pastas_teste.h"

#include "platform/cp1252.h"
#include "platform/perfil.h"

#include <gmock/gmock.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace plataforma;
using ::testing::ElementsAre;

namespace {

class Perfil : public PastasTeste {
protected:
    std::string arquivo = Raiz() + "/Config.ini";

    // Reads with a buffer of `tamanho`, names in UTF-8; the count the call reports must match the text.
    std::string Le(const std::string& secao, const std::string& chave, std::uint32_t tamanho = 255,
                   const char* padrao = "") {
        std::vector<char> buffer(tamanho + 1, 'X');
        const std::uint32_t n = GetPrivateProfileStringA(ParaCp1252(secao).c_str(), ParaCp1252(chave).c_str(),
                                                         padrao, buffer.data(), tamanho, arquivo.c_str());
        EXPECT_EQ(buffer[n], '\0');
        EXPECT_EQ(buffer[tamanho], 'X') << "escreveu além do buffer";
        return DeCp1252(std::string(buffer.data(), n));
    }

    bool Escreve(const std::string& secao, const std::string& chave, const std::string& valor) {
        return WritePrivateProfileStringA(ParaCp1252(secao).c_str(), ParaCp1252(chave).c_str(),
                                          ParaCp1252(valor).c_str(), arquivo.c_str());
    }
};

TEST_F(Perfil, LeituraIgnoraCaixaBrancosEAspas) {
    Grava(arquivo, ParaCp1252("; comentário: Travada=9\r\n"
                              "[Config]\r\n"
                              "Rediscar=False\r\n"
                              "  Não Deixar Agendado  =   1  \r\n"
                              "Tempo de Espera= 30\r\n"
                              "Aspas Duplas=\"  entre aspas  \"\r\n"
                              "Aspas Simples='x'\r\n"
                              "Aspas Trocadas=\"x'\r\n"
                              "Uma Aspa=\"\r\n"
                              "Vazio=\r\n"
                              "Igual=a=b\r\n"
                              ";Comentada=sim\r\n"
                              "[ IE ]\r\n"
                              "Página Inicial=http://exemplo.com.br\r\n"
                              "Travada=0\r\n"));
    const struct {
        const char* secao;
        const char* chave;
        const char* esperado;
    } casos[] = {
        {"config", "REDISCAR", "False"},
        {"CONFIG", "Não deixar Agendado", "1"},
        {"Config", "NÃO DEIXAR AGENDADO", "1"},
        {"Config", "Tempo de Espera", "30"},
        {"Config", "Aspas Duplas", "  entre aspas  "},
        {"Config", "Aspas Simples", "x"},
        {"Config", "Aspas Trocadas", "\"x'"},
        {"Config", "Uma Aspa", "\""},
        {"Config", "Vazio", ""},
        {"Config", "Igual", "a=b"},
        {"Config", ";Comentada", "ausente"},
        {"Config", "Travada", "ausente"}, // only in [IE] and in the comment before any section
        {"ie", "página inicial", "http://exemplo.com.br"},
        {"IE", "Travada", "0"},
        {"Pop3", "Tempo de Espera", "ausente"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(Le(caso.secao, caso.chave, 255, "ausente"), caso.esperado)
            << caso.secao << "/" << caso.chave;
}

TEST_F(Perfil, PrimeiraSecaoEPrimeiraChaveDecidem) {
    Grava(arquivo, "[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(Le("A", "k"), "1");
    EXPECT_EQ(Le("a", "j"), ""); // only the first section of the name is searched
}

TEST_F(Perfil, BufferDoChamadorLimitaALeitura) {
    const std::string longo(300, 'v');
    Grava(arquivo, "[Config]\r\nExecutar=" + longo + "\r\n");
    EXPECT_EQ(Le("Config", "Executar", 255), longo.substr(0, 254));
    EXPECT_EQ(Le("Config", "Executar", 301), longo);
    EXPECT_EQ(Le("Config", "Executar", 1), "");
    EXPECT_EQ(Le("Config", "Ausente", 4, "padrao longo"), "pad");
    char nada = 'X';
    EXPECT_EQ(GetPrivateProfileStringA("Config", "Executar", "", &nada, 0, arquivo.c_str()), 0u);
    EXPECT_EQ(nada, 'X');
}

TEST_F(Perfil, ArquivoSecaoOuChaveAusentesDaoOPadrao) {
    EXPECT_EQ(Le("Config", "Rediscar", 255, "padrao"), "padrao");
    Grava(arquivo, "[Config]\r\nRediscar=True\r\n");
    EXPECT_EQ(Le("Outra", "Rediscar", 255, "p"), "p");
    EXPECT_EQ(Le("Config", "Outra", 255, "p"), "p");
    char buffer[8];
    EXPECT_EQ(GetPrivateProfileStringA("Config", "Outra", nullptr, buffer, sizeof buffer, arquivo.c_str()),
              0u);
    EXPECT_STREQ(buffer, "");
}

TEST_F(Perfil, NomesDasSecoesEDasChavesNaOrdemDoArquivo) {
    Grava(arquivo, "x=antes\r\n[Provedor "
                   "Simulado]\r\nTelefone=1\r\n\r\n[Outro]\r\n[Terceiro]\r\nDiscagem=5\r\nErro=6\r\n");
    char buffer[64];
    std::uint32_t n = GetPrivateProfileSectionNamesA(buffer, sizeof buffer, arquivo.c_str());
    EXPECT_EQ(std::string(buffer, n + 1), std::string("Provedor Simulado\0Outro\0Terceiro\0\0", n + 1));
    EXPECT_EQ(n, 33u);
    n = GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, arquivo.c_str());
    EXPECT_EQ(n, 33u);
    n = GetPrivateProfileStringA("terceiro", nullptr, "", buffer, sizeof buffer, arquivo.c_str());
    EXPECT_EQ(std::string(buffer, n + 1), std::string("Discagem\0Erro\0\0", 15));

    // A list that does not fit is cut and still ends with two NULs.
    n = GetPrivateProfileSectionNamesA(buffer, 10, arquivo.c_str());
    EXPECT_EQ(n, 8u);
    EXPECT_EQ(std::string(buffer, 10), std::string("Provedor\0\0", 10));

    const std::string ausente = Raiz() + "/nada.ini";
    n = GetPrivateProfileSectionNamesA(buffer, sizeof buffer, ausente.c_str());
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(std::string(buffer, 2), std::string(2, '\0'));
}

TEST_F(Perfil, GravacaoCriaArquivoESecoesComCrLf) {
    EXPECT_TRUE(Escreve("Config", "Primeira Vez", "0"));
    EXPECT_TRUE(Escreve("IE", "Travada", "1"));
    EXPECT_TRUE(Escreve("Config", "Agendar Conexão", " 1"));
    EXPECT_EQ(DeCp1252(Conteudo(arquivo)), "[Config]\r\nPrimeira Vez=0\r\nAgendar Conexão= 1\r\n"
                                           "[IE]\r\nTravada=1\r\n");
    EXPECT_EQ(Le("Config", "agendar conexão"), "1");
}

TEST_F(Perfil, GravacaoMudaSoALinhaDaChaveEMantemORestante) {
    const std::string original = "; feito à mão\r\n"
                                 "[Config]\r\n"
                                 "Rediscar = True\r\n"
                                 "Desconhecida=fica\r\n"
                                 "\r\n"
                                 "[Pop3]\n"
                                 "Tempo de Espera= 30\n"
                                 "[Fim]";
    Grava(arquivo, ParaCp1252(original));
    EXPECT_TRUE(Escreve("CONFIG", "rediscar", "False"));
    EXPECT_TRUE(Escreve("pop3", "Checar Periodicamente", " 5"));
    EXPECT_TRUE(Escreve("Config", "Primeira Vez", "0"));
    EXPECT_TRUE(Escreve("fim", "Chave", "v"));
    EXPECT_TRUE(Escreve("IE", "Travada", "0"));
    EXPECT_EQ(DeCp1252(Conteudo(arquivo)), "; feito à mão\r\n"
                                           "[Config]\r\n"
                                           "Rediscar =False\r\n"
                                           "Desconhecida=fica\r\n"
                                           "Primeira Vez=0\r\n"
                                           "\r\n"
                                           "[Pop3]\n"
                                           "Tempo de Espera= 30\n"
                                           "Checar Periodicamente= 5\r\n"
                                           "[Fim]\r\n"
                                           "Chave=v\r\n"
                                           "[IE]\r\n"
                                           "Travada=0\r\n");
}

TEST_F(Perfil, ArquivoSoComLfRecebeLinhasNovasComLf) {
    Grava(arquivo, "[Config]\nRediscar=True\n");
    EXPECT_TRUE(Escreve("Config", "Executar", "/usr/bin/programa"));
    EXPECT_TRUE(Escreve("IE", "Travada", "1"));
    EXPECT_EQ(Conteudo(arquivo), "[Config]\nRediscar=True\nExecutar=/usr/bin/programa\n[IE]\nTravada=1\n");
}

TEST_F(Perfil, ValorNuloApagaAChaveEChaveNulaApagaASecao) {
    Grava(arquivo, "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n[C]\r\n");
    EXPECT_TRUE(WritePrivateProfileStringA("a", "X", nullptr, arquivo.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("b", nullptr, nullptr, arquivo.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("Nenhuma", "x", nullptr, arquivo.c_str()));
    EXPECT_EQ(Conteudo(arquivo), "[A]\r\ny=2\r\n[C]\r\n");

    const std::string ausente = Raiz() + "/ausente.ini";
    EXPECT_TRUE(WritePrivateProfileStringA("A", "x", nullptr, ausente.c_str()));
    EXPECT_THAT(Entradas(Raiz()), ElementsAre("Config.ini", "config", "run"));
}

TEST_F(Perfil, TextoQueMudariaAEstruturaNaoEGravado) {
    Grava(arquivo, "[Config]\r\nRediscar=False\r\n");
    const struct {
        const char* secao;
        const char* chave;
        const char* valor;
    } casos[] = {
        {"Config", "Rediscar", "True\r\n[Config]\r\nPrimeira Vez=1"},
        {"Config", "Executar", "a\nb"},
        {"Con\nfig", "Rediscar", "True"},
        {"Config", "Redis\rcar", "True"},
        {"Config", "Chave=Outra", "True"},
        {"Config", "[Secao]", "True"},
        {"Config", ";x", "True"},
        {"Config", "  ", "True"},
    };
    for (const auto& caso : casos)
        EXPECT_FALSE(WritePrivateProfileStringA(caso.secao, caso.chave, caso.valor, arquivo.c_str()))
            << caso.chave;
    EXPECT_EQ(Conteudo(arquivo), "[Config]\r\nRediscar=False\r\n");
}

TEST_F(Perfil, NomeDoArquivoEmOutraCaixaUsaOArquivoQueExiste) {
    Grava(arquivo, "[Config]\r\nPrimeira Vez=1\r\n");
    const std::string outro = Raiz() + "/config.ini";
    EXPECT_TRUE(WritePrivateProfileStringA("Config", "Primeira Vez", "0", outro.c_str()));
    char buffer[8];
    GetPrivateProfileStringA("Config", "Primeira Vez", "", buffer, sizeof buffer, outro.c_str());
    EXPECT_STREQ(buffer, "0");
    EXPECT_EQ(Le("Config", "Primeira Vez"), "0");
    EXPECT_THAT(Entradas(Raiz()), ElementsAre("Config.ini", "config", "run"));
}

TEST_F(Perfil, GravacaoMantemOModoETrocaOArquivoInteiro) {
    Grava(arquivo, "[Config]\r\n");
    ::chmod(arquivo.c_str(), 0640);
    EXPECT_TRUE(Escreve("Config", "Rediscar", "True"));
    EXPECT_EQ(Modo(arquivo), 0640u);
    EXPECT_THAT(Entradas(Raiz()), ElementsAre("Config.ini", "config", "run")); // no temporary left

    // A settings file reached through a link is changed where it lies; the link stays.
    const std::string link = Raiz() + "/ligacao.ini";
    ASSERT_EQ(::symlink(arquivo.c_str(), link.c_str()), 0);
    EXPECT_TRUE(WritePrivateProfileStringA("Config", "Rediscar", "False", link.c_str()));
    EXPECT_EQ(Le("Config", "Rediscar"), "False");
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST_F(Perfil, PastaInexistenteFalha) {
    const std::string semPasta = Raiz() + "/nao/existe/Config.ini";
    EXPECT_FALSE(WritePrivateProfileStringA("Config", "Rediscar", "True", semPasta.c_str()));
}

} // namespace
