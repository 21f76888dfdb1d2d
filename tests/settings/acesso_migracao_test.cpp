// The dial-up access in the per-user store and the move of the previous version's settings.
#include "mail/contas_email.h"
#include "platform/configuracoes_usuario.h"
#include "settings/configuracao.h"
#include "settings/embaralha.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace quelza;
using plataforma::GetAllSettings;
using plataforma::GetSetting;
using plataforma::SaveSetting;

class Acesso : public AmbienteTeste {};

TEST_F(Acesso, GuardaEmbaralhadoELeDeVolta) {
    SalvaAcesso("Provedor Ação", "joão", " s3nha ");
    EXPECT_EQ(AcessoDialUp, "Provedor Ação");
    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "DialUp"), Embaralha("Provedor Ação", ChaveCredenciais));
    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "Usuário"), Embaralha("joão", ChaveCredenciais));
    EXPECT_NE(GetSetting("e-Telvanor", "Acesso", "Senha"), " s3nha ");

    ReiniciaQuelza();
    CarregaAcesso();
    EXPECT_EQ(AcessoDialUp, "Provedor Ação");
    EXPECT_EQ(UsuárioAcesso, "joão");
    EXPECT_EQ(SenhaAcesso, " s3nha ");
}

class Migracao : public AmbienteTeste {
protected:
    void VersaoAnteriorComAcesso() {
        SaveSetting("eTelvanor", "ini", "X", "300");
        SaveSetting("eTelvanor", "ini", "Y", "900");
        SaveSetting("eTelvanor", "Acesso", "DialUp", "Provedor");
        SaveSetting("eTelvanor", "Acesso", "Usuário", "ana");
        SaveSetting("eTelvanor", "Acesso", "Senha", "");
    }
};

TEST_F(Migracao, AcessoEDuasContasPassamEmbaralhadosComOsPadroes) {
    VersaoAnteriorComAcesso();
    SaveSetting("eTelvanor", "Email", "Casa", "\rana\rpop.casa\rpw1");
    SaveSetting("eTelvanor", "Email", "Trabalho", "\rana.silva\rpop.firma\rpw2");

    MigraVersãoAnterior();

    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "DialUp"), Embaralha("Provedor", ChaveCredenciais));
    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "Usuário"), Embaralha("ana", ChaveCredenciais));
    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "Senha", "ausente"), "");
    EXPECT_EQ(GetAllSettings("e-Telvanor", "Email"),
              (std::vector<std::pair<std::string, std::string>>{
                  {"Casa", Embaralha("\rana\rpop.casa\rpw1", ChaveCredenciais)},
                  {"Trabalho", Embaralha("\rana.silva\rpop.firma\rpw2", ChaveCredenciais)}}));
    EXPECT_EQ(GetSetting("eTelvanor", "ini", "Y"), "");
    EXPECT_TRUE(GetAllSettings("eTelvanor", "Acesso").empty());
    EXPECT_TRUE(GetAllSettings("eTelvanor", "Email").empty());

    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Ligado"), "1");
    EXPECT_EQ(GetSetting("e-Telvanor", "Som", "Desconectado"), pastas.Programa() + "/e-desconectado.wav");
    EXPECT_EQ(GetSetting("e-Telvanor", "ini", "X"), "1130");
    EXPECT_EQ(GetSetting("e-Telvanor", "ini", "IE"), "0");
    EXPECT_EQ(GetSetting("e-Telvanor", "ini", "Versão"), "31");
    ASSERT_TRUE(TemContasEmail);
    ASSERT_EQ(ContasEmail.size(), 2u);
    EXPECT_EQ(ContasEmail[1].NomeDaConta, "Trabalho");

    // What start-up reads next comes back whole.
    ReiniciaQuelza();
    CarregaContasEmail("e-Telvanor", "Email");
    CarregaAcesso();
    EXPECT_EQ(ContasEmail, (std::vector<ContaEmail>{{"Casa", "pop.casa", "ana", "pw1"},
                                                    {"Trabalho", "pop.firma", "ana.silva", "pw2"}}));
    EXPECT_EQ(AcessoDialUp, "Provedor");
    EXPECT_EQ(UsuárioAcesso, "ana");
}

TEST_F(Migracao, AcessoSemContasNaoGravaPadroes) {
    VersaoAnteriorComAcesso();
    TemContasEmail = true;

    MigraVersãoAnterior();

    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "DialUp"), Embaralha("Provedor", ChaveCredenciais));
    EXPECT_EQ(GetSetting("eTelvanor", "ini", "Y"), "");
    EXPECT_EQ(GetSetting("eTelvanor", "Acesso", "DialUp"), "");
    EXPECT_TRUE(GetAllSettings("e-Telvanor", "Som").empty());
    EXPECT_TRUE(GetAllSettings("e-Telvanor", "ini").empty());
    EXPECT_FALSE(TemContasEmail);
}

TEST_F(Migracao, SemVersaoAnteriorNadaMuda) {
    // An old store without a position is not a previous installation.
    SaveSetting("eTelvanor", "Acesso", "DialUp", "Provedor");
    SaveSetting("e-Telvanor", "Acesso", "DialUp", "já migrado");

    MigraVersãoAnterior();

    EXPECT_EQ(GetSetting("e-Telvanor", "Acesso", "DialUp"), "já migrado");
    EXPECT_EQ(GetSetting("eTelvanor", "Acesso", "DialUp"), "Provedor");
    EXPECT_EQ(AcessoDialUp, "");
}

} // namespace
