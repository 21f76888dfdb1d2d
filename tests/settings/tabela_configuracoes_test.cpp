// The settings table: each row reads back what it wrote; no setting is spelled twice; a group is one
// rewrite of the per-user store; a refused write changes the variable and tells the user nothing.
// Each row's key and text form are pinned where a dialog or the loader writes them.
#include "platform/configuracoes_usuario.h"
#include "platform/cp1252.h"
#include "settings/configuracao.h"
#include "settings/padroes_iniciais.h"
#include "settings/tabela_configuracoes.h"
#include "support/ambiente.h"
#include "support/gravacao_recusada.h"
#include "support/substituicoes_contadas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

using namespace quelza;
using plataforma::GetSetting;

using TabelaConfiguracoes = AmbienteTeste;

std::string Guardado(const LinhaConfiguracao& linha) {
    return linha.armazem == Armazem::ArquivoConfig
               ? LeIni(ArquivoConfig(), linha.secao, linha.chave)
               : GetSetting(AplicacaoConfiguracoes, linha.secao, linha.chave);
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
    DefinePadroesIniciais();
    SalvaPadroesIniciais();
    EXPECT_EQ(substituicoes.Contagem(), 1) << "the values the first start writes are the loader's to check";

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
