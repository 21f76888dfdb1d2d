// The settings table: each row reads back what it wrote; no setting is spelled twice; a group is one
// rewrite of the per-user store. Each row's key and text form are pinned where a dialog or the loader
// writes them, and so is a refused write (the configuration dialog's table, tab by tab).
#include "platform/texto/cp1252.h"
#include "settings/configuracao.h"
#include "settings/padroes_iniciais.h"
#include "settings/tabela_configuracoes.h"
#include "support/ambiente.h"
#include "support/substituicoes_contadas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

using namespace quelza;

using TabelaConfiguracoes = AmbienteTeste;

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

} // namespace
