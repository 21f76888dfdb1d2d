// The stored value of a mail account and the loader of the account list.
#include "mail/contas_email.h"
#include "platform/registro/configuracoes_usuario.h"
#include "settings/embaralha.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

namespace {

using namespace quelza;

TEST(ValorDaConta, VoltaInteiroECortaNosTresPrimeirosCr) {
    const ContaEmail conta{"Ação", "pop.provedor.com.br", "joão", " a\rb\r "};
    EXPECT_EQ(CodificaContaEmail(conta),
              Embaralha("\rjoão\rpop.provedor.com.br\r a\rb\r ", ChaveCredenciais));
    EXPECT_EQ(DecodificaContaEmail("Ação", CodificaContaEmail(conta)), conta);
    EXPECT_EQ(DecodificaContaEmail("X", Embaralha("lixo\ru\rs\rp", ChaveCredenciais)),
              (ContaEmail{"X", "s", "u", "p"}));
    for (const char* texto : {"", "semcr", "\ru\rs"})
        EXPECT_EQ(DecodificaContaEmail("X", Embaralha(texto, ChaveCredenciais)), std::nullopt) << texto;
}

class CarregaContas : public AmbienteTeste {};

TEST_F(CarregaContas, NaOrdemDoArmazenamentoPulandoValoresEstragados) {
    ContasEmail = {{"Antiga", "", "", ""}};
    TemContasEmail = true;
    CarregaContasEmail("e-Telvanor", "Email");
    EXPECT_FALSE(TemContasEmail);
    EXPECT_EQ(ContasEmail.size(), 1u) << "an empty section leaves the list alone";

    plataforma::SaveSetting("e-Telvanor", "Email", "Estragada", Embaralha("\rso\rdois", ChaveCredenciais));
    TemContasEmail = true;
    CarregaContasEmail("e-Telvanor", "Email");
    EXPECT_FALSE(TemContasEmail);
    EXPECT_TRUE(ContasEmail.empty());

    plataforma::SaveSetting("e-Telvanor", "Email", "Casa",
                            CodificaContaEmail({"Casa", "pop.casa", "ana", "1"}));
    plataforma::SaveSetting("e-Telvanor", "Email", "Firma",
                            CodificaContaEmail({"Firma", "pop.firma", "bia", "2"}));
    CarregaContasEmail("e-Telvanor", "Email");
    EXPECT_TRUE(TemContasEmail);
    EXPECT_EQ(ContasEmail, (std::vector<ContaEmail>{{"Casa", "pop.casa", "ana", "1"},
                                                    {"Firma", "pop.firma", "bia", "2"}}));
}

} // namespace
