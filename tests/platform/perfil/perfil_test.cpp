// Windows-1252 (the characters of its odd codes, what the code page lacks, malformed UTF-8, the case
// folding names match with), the stored form of texts it lacks, and the private-profile files over it: what a
// read finds (case, blanks, quotes, buffer size, absent parts), what a write changes and what it must leave
// as it was.
#include "support/pastas_teste.h"

#include "platform/perfil/perfil.h"
#include "platform/texto/cp1252.h"
#include "platform/texto/texto_guardado.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plataforma;
using ::testing::ElementsAre;

namespace {

TEST(Cp1252, ForaDaPaginaOuMalFormadoViraInterrogacao) {
    // The codes without a character of their own keep their C1 control; the rest follow the code page.
    EXPECT_EQ(DeCp1252("\x80\x81\x8a\x9d\x9f\xe3"), "€\u0081Š\u009dŸã");
    for (const auto& [utf8, esperado] : std::initializer_list<std::pair<std::string, std::string>>{
             {"a中b", "a?b"},
             {"x\xF0\x9F\x98\x80y", "x?y"},   // four-byte character
             {"\xC2\x80", "?"},               // U+0080: a C1 control the code page has no code for
             {"a\x80z", "a?z"},               // stray continuation byte
             {"ok\xC3", "ok?"},               // cut at the end
             {"\xE2\x82z", "??z"},            // cut in the middle
             {"\xC0\xAF", "??"},              // overlong '/'
             {"\xED\xA0\x80", "???"},         // surrogate half
             {"\xF4\x90\x80\x80", "????"}}) { // above U+10FFFF
        EXPECT_EQ(ParaCp1252(utf8), esperado) << utf8;
        EXPECT_FALSE(ParaCp1252Exato(utf8).has_value()) << utf8;
    }
    EXPECT_EQ(ParaCp1252Exato("Não “já” €"), ParaCp1252("Não “já” €"));
}

TEST(Cp1252, MaiusculasEMinusculasSeIgualam) {
    EXPECT_TRUE(IguaisSemCaixa(ParaCp1252("NÃO ÇÉÚ ŠŒŽŸ"), ParaCp1252("não çéú šœžÿ")));
    // Signs and symbols 32 codes apart are not case pairs.
    for (const auto& [a, b] : {std::pair{"×", "÷"}, {"@", "`"}, {"[", "{"}, {"a", "á"}, {"Ini", "Inix"}})
        EXPECT_FALSE(IguaisSemCaixa(ParaCp1252(a), ParaCp1252(b))) << a << " " << b;
}

TEST(TextoGuardado, CodigosDaPaginaQuandoHaSenaoUtf8) {
    for (const auto& [texto, bytes, utf8] : std::initializer_list<std::tuple<std::string, std::string, bool>>{
             {"Ação “já” €", "A\xE7\xE3o \x93j\xE1\x94 \x80", false}, // written as it always was
             {"Ã©", "\xC3\xA9", false}, // also UTF-8 of "é", which the code page has
             {"senhał€", "senha\xC5\x82\xE2\x82\xAC", true},
             {"\u0080", "\xC2\x80", true}, // a C1 control the code page has no code for
             {"a\xFF", "a?", false}}) {    // malformed input: '?' as before
        const TextoGuardado guardado = GuardaTexto(texto);
        EXPECT_EQ(guardado.bytes, bytes) << texto;
        EXPECT_EQ(guardado.utf8, utf8) << texto;
        EXPECT_EQ(GuardadoEmUtf8(bytes), utf8) << texto;
        EXPECT_EQ(DeTextoGuardado(bytes), texto == "a\xFF" ? "a?" : texto) << texto;
    }
    // Code-page bytes that are no UTF-8 read as they always did.
    for (const auto& [bytes, lido] : std::initializer_list<std::pair<std::string, std::string>>{
             {"\xE7\xE3o", "ção"}, {"\xE7\xA9\xE3", "ç©ã"}, {"\xFF\xFE", "ÿþ"}})
        EXPECT_EQ(DeTextoGuardado(bytes), lido) << bytes;
}

class Perfil : public PastasTeste {
protected:
    std::string arquivo = Raiz() + "/Config.ini";

    // Names in UTF-8; checks the reported count and that nothing is written past the buffer.
    std::string Le(const std::string& secao, const std::string& chave, std::uint32_t tamanho = 255) {
        std::vector<char> buffer(tamanho + 1, 'X');
        const std::uint32_t n = GetPrivateProfileStringA(ParaCp1252(secao).c_str(), ParaCp1252(chave).c_str(),
                                                         "ausente", buffer.data(), tamanho, arquivo.c_str());
        EXPECT_EQ(buffer[n], '\0');
        EXPECT_EQ(buffer[tamanho], 'X');
        return DeCp1252(std::string(buffer.data(), n));
    }
    bool Escreve(const std::string& secao, const std::string& chave, const std::string& valor) {
        return WritePrivateProfileStringA(ParaCp1252(secao).c_str(), ParaCp1252(chave).c_str(),
                                          ParaCp1252(valor).c_str(), arquivo.c_str());
    }
};

TEST_F(Perfil, LeituraIgnoraCaixaBrancosEAspas) {
    EXPECT_EQ(Le("Config", "Rediscar"), "ausente");
    Grava(arquivo, ParaCp1252("Travada=antes de toda seção\r\n[Config]\r\nRediscar=False\r\n"
                              "  Não Deixar Agendado  =   1  \r\nDuplas=\"  entre  \"\r\nSimples='x'\r\n"
                              "Trocadas=\"x'\r\nUma=\"\r\nIgual=a=b\r\n;Comentada=sim\r\nRediscar=segunda\r\n"
                              "[ IE ]\r\nTravada=0\r\n[config]\r\nSó Aqui=1\r\n"));
    const struct {
        const char* secao;
        const char* chave;
        const char* esperado;
    } casos[] = {
        {"config", "REDISCAR", "False"}, // the first key of the name wins
        {"CONFIG", "NÃO deixar agendado", "1"}, {"Config", "Duplas", "  entre  "}, {"Config", "Simples", "x"},
        {"Config", "Trocadas", "\"x'"},         {"Config", "Uma", "\""},           {"Config", "Igual", "a=b"},
        {"Config", ";Comentada", "ausente"},    {"Config", "Travada", "ausente"},  {"ie", "travada", "0"},
        {"Pop3", "Tempo de Espera", "ausente"}, {"Config", "Só Aqui", "ausente"}, // only the first section of
                                                                                  // the name is searched
    };
    for (const auto& caso : casos)
        EXPECT_EQ(Le(caso.secao, caso.chave), caso.esperado) << caso.secao << "/" << caso.chave;
}

TEST_F(Perfil, BufferDoChamadorLimitaALeitura) {
    const std::string longo(300, 'v');
    Grava(arquivo, "[Config]\r\nExecutar=" + longo + "\r\n");
    EXPECT_EQ(Le("Config", "Executar", 301), longo);
    EXPECT_EQ(Le("Config", "Executar", 1), "");
    EXPECT_EQ(Le("Config", "Outra", 4), "aus");
    char nada = 'X';
    EXPECT_EQ(GetPrivateProfileStringA("Config", "Executar", "", &nada, 0, arquivo.c_str()), 0u);
    EXPECT_EQ(nada, 'X');
}

TEST_F(Perfil, NomesDasSecoesEDasChavesNaOrdemDoArquivo) {
    Grava(arquivo,
          "[Provedor Simulado]\r\nTelefone=1\r\n\r\n[Outro]\r\n[Terceiro]\r\nDiscagem=5\r\nErro=6\r\n");
    char buffer[64];
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buffer, sizeof buffer, arquivo.c_str()), 33u);
    EXPECT_EQ(std::string(buffer, 34), std::string("Provedor Simulado\0Outro\0Terceiro\0\0", 34));
    EXPECT_EQ(GetPrivateProfileStringA("terceiro", nullptr, "", buffer, sizeof buffer, arquivo.c_str()), 14u);
    EXPECT_EQ(std::string(buffer, 15), std::string("Discagem\0Erro\0\0", 15));
    // A list that does not fit is cut and still ends with two NULs; a missing file lists nothing.
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buffer, 10, arquivo.c_str()), 8u);
    EXPECT_EQ(std::string(buffer, 10), std::string("Provedor\0\0", 10));
    EXPECT_EQ(GetPrivateProfileSectionNamesA(buffer, sizeof buffer, (Raiz() + "/nada.ini").c_str()), 0u);
    EXPECT_EQ(std::string(buffer, 2), std::string(2, '\0'));
}

TEST_F(Perfil, GravacaoMudaSoALinhaDaChaveEMantemORestante) {
    EXPECT_TRUE(Escreve("Config", "Primeira Vez", "0"));
    EXPECT_TRUE(Escreve("IE", "Travada", "1"));
    EXPECT_TRUE(Escreve("Config", "Agendar Conexão", " 1"));
    EXPECT_EQ(DeCp1252(Conteudo(arquivo)),
              "[Config]\r\nPrimeira Vez=0\r\nAgendar Conexão= 1\r\n[IE]\r\nTravada=1\r\n");
    EXPECT_FALSE(WritePrivateProfileStringA("C", "k", "v", (Raiz() + "/nao/existe.ini").c_str()));

    Grava(arquivo, ParaCp1252("; feito à mão\r\n[Config]\r\nRediscar = True\r\nDesconhecida=fica\r\n\r\n"
                              "[Pop3]\nTempo de Espera= 30\n[Fim]"));
    EXPECT_TRUE(Escreve("CONFIG", "rediscar", "False")); // spelling and blanks before '=' stay
    EXPECT_TRUE(Escreve("pop3", "Checar Periodicamente", " 5"));
    EXPECT_TRUE(Escreve("Config", "Primeira Vez", "0")); // after the last line, before the blank one
    EXPECT_TRUE(Escreve("fim", "Chave", "v"));           // the unfinished last line gets its ending
    EXPECT_TRUE(Escreve("IE", "Travada", "0"));
    EXPECT_EQ(DeCp1252(Conteudo(arquivo)),
              "; feito à mão\r\n[Config]\r\nRediscar =False\r\nDesconhecida=fica\r\n"
              "Primeira Vez=0\r\n\r\n[Pop3]\nTempo de Espera= 30\n"
              "Checar Periodicamente= 5\r\n[Fim]\r\nChave=v\r\n[IE]\r\nTravada=0\r\n");
    Grava(arquivo, "[Config]\nRediscar=True\n");
    EXPECT_TRUE(Escreve("IE", "Travada", "1"));
    EXPECT_EQ(Conteudo(arquivo), "[Config]\nRediscar=True\n[IE]\nTravada=1\n") << "a file with LF keeps LF";
}

TEST_F(Perfil, ApagarOuRecusarOQueMudariaAEstrutura) {
    Grava(arquivo, "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n[C]\r\n");
    EXPECT_TRUE(WritePrivateProfileStringA("a", "X", nullptr, arquivo.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("b", nullptr, nullptr, arquivo.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("A", "x", nullptr, (Raiz() + "/ausente.ini").c_str()));
    for (const auto& [secao, chave, valor] : {std::tuple{"A", "y", "3\r\n[B]\r\nz=3"},
                                              {"\nA", "y", "3"},
                                              {"A", "y=z", "3"},
                                              {"A", "[B]", "3"},
                                              {"A", " ", "3"}})
        EXPECT_FALSE(WritePrivateProfileStringA(secao, chave, valor, arquivo.c_str())) << chave;
    EXPECT_EQ(Conteudo(arquivo), "[A]\r\ny=2\r\n[C]\r\n");
    EXPECT_THAT(Entradas(Raiz()), ElementsAre("Config.ini", "config", "programa", "run"))
        << "no file made to delete from";
}

TEST_F(Perfil, NomeEmOutraCaixaModoELigacaoSimbolicaFicam) {
    Grava(arquivo, "[Config]\r\nPrimeira Vez=1\r\n");
    ::chmod(arquivo.c_str(), 0640);
    EXPECT_TRUE(WritePrivateProfileStringA("Config", "Primeira Vez", "0", (Raiz() + "/config.INI").c_str()));
    EXPECT_EQ(Le("Config", "Primeira Vez"), "0");
    EXPECT_EQ(Modo(arquivo), 0640u);
    EXPECT_THAT(Entradas(Raiz()), ElementsAre("Config.ini", "config", "programa", "run"))
        << "no second file, no temporary";
    const std::string ligacao = Raiz() + "/ligacao.ini";
    ASSERT_EQ(::symlink(arquivo.c_str(), ligacao.c_str()), 0);
    EXPECT_TRUE(WritePrivateProfileStringA("Config", "Rediscar", "False", ligacao.c_str()));
    EXPECT_EQ(Le("Config", "Rediscar"), "False");
    struct stat info {};
    EXPECT_TRUE(::lstat(ligacao.c_str(), &info) == 0 && S_ISLNK(info.st_mode));
}

} // namespace

// Names with blanks around them are the same names, so a repeated write replaces its own line instead
// of adding one more each time.
TEST_F(Perfil, BrancosEmVoltaDosNomesNaoFazemOArquivoCrescer) {
    for (int vez = 0; vez < 3; ++vez) {
        EXPECT_TRUE(Escreve(" Config\t", "  Rediscar ", std::to_string(vez)));
        EXPECT_TRUE(Escreve("Config", "\tOutra", "x"));
    }
    EXPECT_EQ(Conteudo(arquivo), "[Config]\r\nRediscar=2\r\nOutra=x\r\n");
    for (const auto& [secao, chave] : {std::pair{"Config", "Rediscar"}, {" Config ", " Rediscar\t"}})
        EXPECT_EQ(Le(secao, chave), "2") << "'" << secao << "' '" << chave << "'";
    EXPECT_TRUE(WritePrivateProfileStringA(" Config ", " Outra ", nullptr, arquivo.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("  config", nullptr, nullptr, arquivo.c_str()));
    EXPECT_EQ(Conteudo(arquivo), "");
}

// A file of nothing but line ends is read and written with memory near its own size.
TEST_F(Perfil, MilhoesDeLinhasVaziasCabemEmPoucaMemoria) {
    const std::size_t tamanho = 10u << 20;
    Grava(arquivo, std::string(tamanho, '\n') + "[Config]\nRediscar=1\n");
    const auto pico = [] {
        rusage uso{};
        ::getrusage(RUSAGE_SELF, &uso);
        return static_cast<std::size_t>(uso.ru_maxrss) * 1024;
    };
    const std::size_t antes = pico();
    EXPECT_EQ(Le("Config", "Rediscar"), "1");
    EXPECT_TRUE(Escreve("Config", "Rediscar", "2"));
    EXPECT_EQ(Le("Config", "Rediscar"), "2");
    EXPECT_LT(pico() - antes, 8 * tamanho);
}

// Two processes adding keys to one file at once: the lock around each read-modify-write keeps every
// key of both.
TEST_F(Perfil, DoisProcessosGravandoNaoPerdemChaves) {
    constexpr int Chaves = 60;
    std::vector<pid_t> filhos;
    for (const char* processo : {"A", "B"}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            bool ok = true;
            for (int i = 0; i < Chaves; ++i)
                ok = Escreve("Config", processo + std::to_string(i), "1") && ok;
            ::_exit(ok ? 0 : 1);
        }
        filhos.push_back(pid);
    }
    for (const pid_t pid : filhos) {
        int estado = 0;
        ASSERT_EQ(::waitpid(pid, &estado, 0), pid);
        EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    }
    for (const char* processo : {"A", "B"})
        for (int i = 0; i < Chaves; ++i)
            EXPECT_EQ(Le("Config", processo + std::to_string(i)), "1") << processo << i;
}

// A writer killed before its rename leaves its temporary file; the next write removes it, but not
// the file of a writer still at work (its lock is held), nor files that only look alike.
TEST_F(Perfil, GravacaoRemoveTemporariosDeEscritoresMortos) {
    const std::vector<std::string> orfaos = {"Config.ini.a1B2c3", "Config.ini.ZZZZZZ"};
    const std::vector<std::string> alheios = {"Config.ini.bak",    "Config.ini.a1B2c", "Config.ini.a1B2c3d",
                                              "Config.ini.a-B2c3", "Outro.ini.a1B2c3", "Config.ini.emUso1"};
    for (const auto& nome : orfaos)
        Grava(Raiz() + "/" + nome, "[Config]\r\nmeio escrito");
    for (const auto& nome : alheios)
        Grava(Raiz() + "/" + nome, "alheio");
    const int emUso = ::open((Raiz() + "/Config.ini.emUso1").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(emUso, LOCK_EX), 0);
    EXPECT_TRUE(Escreve("Config", "Rediscar", "1"));
    ::close(emUso);
    std::vector<std::string> esperado = alheios;
    esperado.insert(esperado.end(), {"Config.ini", "config", "programa", "run"});
    std::sort(esperado.begin(), esperado.end());
    EXPECT_EQ(Entradas(Raiz()), esperado);
}
