// The settings table: each row meets its own store, key and text form and reads back what it wrote;
// no setting is spelled twice; a group is one rewrite of the per-user store; a refused write changes
// the variable and tells the user nothing.
#include "platform/configuracoes_usuario.h"
#include "platform/cp1252.h"
#include "settings/configuracao.h"
#include "settings/embaralha.h"
#include "settings/padroes_iniciais.h"
#include "settings/tabela_configuracoes.h"
#include "support/ambiente.h"
#include "support/gravacao_recusada.h"
#include "support/substituicoes_contadas.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

namespace {

using namespace quelza;
using plataforma::GetSetting;
using ::testing::HasSubstr;

using TabelaConfiguracoes = AmbienteTeste;

std::string Guardado(const LinhaConfiguracao& linha) {
    return linha.armazem == Armazem::ArquivoConfig
               ? LeIni(ArquivoConfig(), linha.secao, linha.chave)
               : GetSetting(AplicacaoConfiguracoes, linha.secao, linha.chave);
}

TEST_F(TabelaConfiguracoes, CadaLinhaGravaNaSuaChaveESuaForma) {
    const struct {
        const LinhaConfiguracao& linha;
        std::function<void()> define;
        const char* secao;
        const char* chave;
        std::string guardado;
    } casos[] = {
        {tabela::RediscarLigado, [] { RediscarLigado = true; }, "Config", "Rediscar", "True"},
        {tabela::AgendarConexão, [] { AgendarConexão = -5; }, "Config", "Agendar Conexão", "-5"},
        {tabela::HoraConexão, [] { HoraConexão = HoraDoDia::De(21, 5, 9); }, "Config", "Hora da Conexão",
         "21:05:09"},
        {tabela::NãoDeixarAgendado, [] { NãoDeixarAgendado = 1; }, "Config", "Não Deixar Agendado", " 1"},
        {tabela::PrimeiraVez, [] { PrimeiraVez = 1; }, "Config", "Primeira Vez", "1"},
        {tabela::PáginaTravada, [] { PáginaTravada = "1"; }, "IE", "Travada", "1"},
        {tabela::TempoDeEspera, [] { TempoDeEspera = 30; }, "Pop3", "Tempo de Espera", " 30"},
        {tabela::PosiçãoX, [] { PosiçãoX = 1130; }, "ini", "X", "1130"},
        {tabela::IniciarComWindows, [] { IniciarComWindows = "0"; }, "Ini", "Iniciar Com Windows", "0"},
        {tabela::Versão, [] {}, "ini", "Versão", "31"},
        {tabela::SomLigado, [] { SomLigado = 1; }, "Som", "Ligado", "1"},
        {tabela::SomTemEmail, [] { SomTemEmail = "/x/é.wav"; }, "Som", "Tem Email", "/x/é.wav"},
        {tabela::UsuárioAcesso, [] { UsuárioAcesso = "joão"; }, "Acesso", "Usuário",
         Embaralha("joão", ChaveCredenciais)},
    };
    for (const auto& c : casos) {
        c.define();
        GravaConfiguracao(c.linha);
        // The file's reader drops the blank of a padded number, so its line is looked at whole.
        if (c.linha.armazem == Armazem::ArquivoConfig)
            EXPECT_THAT(LeArquivo(ArquivoConfig()),
                        HasSubstr(plataforma::ParaCp1252(std::string(c.chave) + "=" + c.guardado + "\r\n")))
                << c.chave;
        else
            EXPECT_EQ(GetSetting("e-Telvanor", c.secao, c.chave, "(ausente)"), c.guardado) << c.chave;
    }
}

// Whatever a row writes from its variable, reading it back gives the variable the same value.
TEST_F(TabelaConfiguracoes, CadaLinhaLeDeVoltaOQueGravou) {
    for (const LinhaConfiguracao* linha : tabela::Todas) {
        std::visit(
            [](auto membro) {
                using Membro = decltype(membro);
                if constexpr (std::is_same_v<Membro, bool Variaveis::*>)
                    variaveis.*membro = true;
                else if constexpr (std::is_same_v<Membro, HoraDoDia Variaveis::*>)
                    variaveis.*membro = HoraDoDia::De(23, 59, 58);
                else if constexpr (std::is_same_v<Membro, std::string Variaveis::*>)
                    variaveis.*membro = "Ação 1";
                else if constexpr (!std::is_same_v<Membro, std::monostate>)
                    variaveis.*membro = 123;
            },
            linha->variavel);
        const Variaveis gravadas = variaveis;
        const std::string texto = TextoDaVariavel(*linha);
        GravaConfiguracao(*linha);
        ReiniciaQuelza();
        EXPECT_NO_THROW(LeConfiguracao(*linha)) << linha->chave;
        EXPECT_EQ(TextoDaVariavel(*linha), texto) << linha->chave;
        std::visit(
            [&](auto membro) {
                if constexpr (!std::is_same_v<decltype(membro), std::monostate>) {
                    EXPECT_EQ(variaveis.*membro, gravadas.*membro) << linha->chave;
                }
            },
            linha->variavel);
    }
}

TEST_F(TabelaConfiguracoes, NenhumaChaveNemVariavelEmDuasLinhas) {
    std::set<std::string> chaves;
    std::vector<VariavelConfiguracao> vistas;
    for (const LinhaConfiguracao* linha : tabela::Todas) {
        std::string nome =
            std::to_string(static_cast<int>(linha->armazem)) + "/" + linha->secao + "/" + linha->chave;
        for (char& c : nome)
            c = plataforma::MinusculaCp1252(c);
        EXPECT_TRUE(chaves.insert(nome).second) << nome;
        if (linha->variavel.index() == 0)
            continue;
        EXPECT_EQ(std::count(vistas.begin(), vistas.end(), linha->variavel), 0) << linha->chave;
        vistas.push_back(linha->variavel);
    }
}

TEST_F(TabelaConfiguracoes, ValoresIniciaisUmaSoGravacaoNaOrdem) {
    std::filesystem::create_directories(pastas.Usuario());
    SubstituicoesContadas substituicoes(pastas.Usuario(), "registro.reg");
    IniciarIE = 1;
    DefinePadroesIniciais();
    SalvaPadroesIniciais();
    EXPECT_EQ(substituicoes.Contagem(), 1);
    EXPECT_THAT(plataforma::GetAllSettings("e-Telvanor", "ini"),
                ::testing::ElementsAre(::testing::Pair("X", "1130"), ::testing::Pair("Y", "1130"),
                                       ::testing::Pair("Iniciar Com Windows", "1"),
                                       ::testing::Pair("IE", "1"), ::testing::Pair("Versão", "31")));
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Boa Noite"), pastas.Programa() + "/e-boanoite.wav");

    GravaConfiguracao(tabela::SomLigado);
    EXPECT_EQ(substituicoes.Contagem(), 1) << "an unchanged value rewrites nothing";
    PosiçãoX = 5;
    GravaConfiguracao(tabela::PosiçãoX);
    EXPECT_EQ(substituicoes.Contagem(), 2);
}

TEST_F(TabelaConfiguracoes, GravacaoRecusadaMudaAVariavelESeCala) {
    TempoDeEspera = 30;
    PosiçãoX = 1130;
    GravaConfiguracoes({&tabela::TempoDeEspera, &tabela::PosiçãoX});
    const auto antes = plataforma::GetAllSettings("e-Telvanor", "ini");
    {
        const GravacaoRecusada recusada;
        TempoDeEspera = 45;
        PosiçãoX = 7;
        EXPECT_NO_THROW(GravaConfiguracoes({&tabela::TempoDeEspera, &tabela::PosiçãoX}));
        EXPECT_NO_THROW(GravaConfiguracao(tabela::RediscarLigado));
    }
    EXPECT_EQ(TempoDeEspera, 45);
    EXPECT_EQ(PosiçãoX, 7);
    EXPECT_EQ(Guardado(tabela::TempoDeEspera), "30");
    EXPECT_EQ(plataforma::GetAllSettings("e-Telvanor", "ini"), antes);
    EXPECT_EQ(Guardado(tabela::RediscarLigado), "");
    EXPECT_TRUE(interface->mensagens.empty());
}

} // namespace
