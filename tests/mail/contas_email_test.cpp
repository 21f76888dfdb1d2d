// The stored value of a mail account and the loader of the account list.
#include "mail/contas_email.h"
#include "platform/configuracoes_usuario.h"
#include "settings/embaralha.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace quelza;

TEST(ValorDaConta, VoltaInteiroComSenhaQueTemCrEBrancos) {
    for (const ContaEmail& conta :
         {ContaEmail{"Casa", "pop.casa.net", "ana", "pw"},
          ContaEmail{"Ação", "pop.provedor.com.br", "joão", " a\rb\r "}, ContaEmail{"Vazia", "", "", ""}}) {
        const std::string valor = CodificaContaEmail(conta);
        EXPECT_EQ(valor,
                  Embaralha("\r" + conta.Usuário + "\r" + conta.Pop3 + "\r" + conta.Senha, ChaveCredenciais));
        EXPECT_EQ(DecodificaContaEmail(conta.NomeDaConta, valor), conta);
    }
}

TEST(ValorDaConta, CortaNosTresPrimeirosCr) {
    const auto conta = DecodificaContaEmail("Feita à mão", Embaralha("lixo\ru\rs\rp", ChaveCredenciais));
    EXPECT_EQ(conta, (ContaEmail{"Feita à mão", "s", "u", "p"}));
}

TEST(ValorDaConta, ComMenosDeTresCrNaoEhConta) {
    for (const char* texto : {"", "semcr", "\ru\rs", "\r\r"})
        EXPECT_EQ(DecodificaContaEmail("X", Embaralha(texto, ChaveCredenciais)), std::nullopt) << texto;
    EXPECT_TRUE(DecodificaContaEmail("X", Embaralha("\r\r\r", ChaveCredenciais)));
}

class CarregaContas : public AmbienteTeste {};

TEST_F(CarregaContas, NaOrdemDoArmazenamentoPulandoValoresEstragados) {
    plataforma::SaveSetting("e-Telvanor", "Email", "Casa",
                            CodificaContaEmail({"Casa", "pop.casa", "ana", "1"}));
    plataforma::SaveSetting("e-Telvanor", "Email", "Estragada", Embaralha("\rso\rdois", ChaveCredenciais));
    plataforma::SaveSetting("e-Telvanor", "Email", "Firma",
                            CodificaContaEmail({"Firma", "pop.firma", "bia", "2"}));
    ContasEmail = {{"Antiga", "", "", ""}};

    CarregaContasEmail("e-Telvanor", "Email");

    EXPECT_TRUE(TemContasEmail);
    EXPECT_EQ(ContasEmail, (std::vector<ContaEmail>{{"Casa", "pop.casa", "ana", "1"},
                                                    {"Firma", "pop.firma", "bia", "2"}}));
}

TEST_F(CarregaContas, SoValoresEstragadosDeixamSemContas) {
    plataforma::SaveSetting("e-Telvanor", "Email", "Estragada", "texto qualquer");
    ContasEmail = {{"Antiga", "", "", ""}};
    TemContasEmail = true;

    CarregaContasEmail("e-Telvanor", "Email");

    EXPECT_FALSE(TemContasEmail);
    EXPECT_TRUE(ContasEmail.empty());
}

TEST_F(CarregaContas, SecaoVaziaNaoMexeNoArray) {
    ContasEmail = {{"Antiga", "", "", ""}};
    TemContasEmail = true;

    CarregaContasEmail("e-Telvanor", "Email");

    EXPECT_FALSE(TemContasEmail);
    EXPECT_EQ(ContasEmail.size(), 1u);
}

} // namespace
