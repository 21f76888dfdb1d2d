// The move of the previous version's settings, the dial-up access scrambled into the per-user store.
#include "mail/contas_email.h"
#include "platform/registro/configuracoes_usuario.h"
#include "settings/configuracao.h"
#include "settings/embaralha.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

namespace {

using namespace quelza;
using plataforma::GetAllSettings;
using plataforma::GetSetting;
using plataforma::SaveSetting;

class Migracao : public AmbienteTeste {
protected:
    Migracao() {
        SaveSetting("eTelvanor", "ini", "Y", "900");
        SaveSetting("eTelvanor", "Acesso", "DialUp", "Provedor");
        SaveSetting("eTelvanor", "Acesso", "Usuário", "joão");
    }
};

TEST_F(Migracao, AcessoEDuasContasPassamEmbaralhadosComOsPadroes) {
    SaveSetting("eTelvanor", "Email", "Casa", "\rana\rpop.casa\rpw1");
    SaveSetting("eTelvanor", "Email", "Firma", "\rbia\rpop.firma\rpw2");

    MigraVersãoAnterior();

    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "Senha", "ausente"), "");
    EXPECT_EQ(GetSetting("eTelvanor", "ini", "Y"), "");
    EXPECT_TRUE(GetAllSettings("eTelvanor", "Email").empty());
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Desconectado"), pastas.Programa() + "/e-desconectado.wav");
    EXPECT_EQ(GetSetting("e-Telvanor", "ini", "Versão"), "31");
    EXPECT_TRUE(TemContasEmail);

    // What start-up reads next comes back whole, unscrambled.
    ReiniciaQuelza();
    CarregaContasEmail("e-Telvanor", "Email");
    CarregaAcesso();
    EXPECT_EQ(ContasEmail, (std::vector<ContaEmail>{{"Casa", "pop.casa", "ana", "pw1"},
                                                    {"Firma", "pop.firma", "bia", "pw2"}}));
    EXPECT_EQ(AcessoDialUp, "Provedor");
    EXPECT_EQ(UsuárioAcesso, "joão");
}

TEST_F(Migracao, AcessoSemContasNaoGravaPadroes) {
    TemContasEmail = true;
    MigraVersãoAnterior();
    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "DialUp"), Embaralha("Provedor", ChaveCredenciais));
    EXPECT_EQ(GetSetting("eTelvanor", "Acesso", "DialUp"), "");
    EXPECT_TRUE(GetAllSettings("e-Telvanor", "Som").empty());
    EXPECT_TRUE(GetAllSettings("e-Telvanor", "ini").empty());
    EXPECT_FALSE(TemContasEmail);
}

} // namespace
