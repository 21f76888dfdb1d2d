// DiscaConexão: the empty entry, the dial record it builds, and what each refusal leaves behind.
#include "discagem_ambiente.h"

#include "dialogs/frm_telvanor09.h"
#include "dialup/discagem.h"
#include "platform/cp1252.h"
#include "settings/configuracao.h"
#include "settings/quelza.h"

#include <gmock/gmock.h>

using namespace quelza;
using namespace plataforma;

namespace {

std::string ArquivoConfigDe(const PastasTemporarias& pastas) {
    return LeArquivo(pastas.Programa() + "/Config.ini");
}
std::string LeIniRediscar() { return LeIni(ArquivoConfig(), "Config", "Rediscar"); }

} // namespace

TEST_F(DiscagemTeste, UmaEntradaVaziaOuEmBrancoPedeAConfiguracaoNaPrimeiraAba) {
    for (const char* vazia : {"", "   "}) {
        for (bool rediscar : {false, true}) {
            SCOPED_TRACE(std::string("'") + vazia + "' redial " + (rediscar ? "on" : "off"));
            interface->mensagens.clear();
            interface->modais = 0;
            janela.itmRediscar->setChecked(true);
            janela.Timer3.Enabled(true);
            if (rediscar)
                LigaRediscar();
            AgendamentoPendente = true;
            hConexão = 42;
            int aba = -1;
            interface->aoMostrarModal = [&aba](QDialog& d) {
                aba = static_cast<frmTelvanor09&>(d).SSTab1->currentIndex();
                return 0;
            };
            std::string entrada = vazia, usuario = "ana", senha = "s";

            DiscaConexão(entrada, usuario, senha);

            ASSERT_EQ(interface->mensagens.size(), 1u);
            EXPECT_EQ(interface->mensagens[0].texto, "Configure sua conexão!");
            EXPECT_EQ(interface->mensagens[0].estilo, vbOKOnly);
            EXPECT_EQ(interface->mensagens[0].titulo, TituloAplicacao);
            EXPECT_EQ(interface->modais, 1);
            EXPECT_EQ(aba, 0);
            EXPECT_TRUE(servico->discagens.empty());
            EXPECT_EQ(hConexão, 42u);
            EXPECT_EQ(RediscarApagado(), rediscar);
            EXPECT_EQ(AgendamentoPendente, !rediscar);
            EXPECT_EQ(janela.itmRediscar->isChecked(), !rediscar)
                << "the tray item follows only when redial was on";
            EXPECT_EQ(ArquivoConfigDe(pastas), "") << "this way stores nothing";
        }
    }
}

TEST_F(DiscagemTeste, ORegistroLevaASenhaSoComUsuario) {
    const struct {
        const char* usuario;
        const char* senha;
        const char* usuarioEnviado;
        const char* senhaEnviada;
    } casos[] = {
        {"ana", "segredo", "ana", "segredo"},
        {"", "segredo", "", ""},
        {"ana", "", "ana", ""},
        {"joão", "pé", "joão", "pé"},
    };
    for (const auto& c : casos) {
        std::string entrada = "Provedor Ação", usuario = c.usuario, senha = c.senha;
        DiscaConexão(entrada, usuario, senha);
        ASSERT_FALSE(servico->discagens.empty());
        const RASDIALPARAMSA& r = servico->discagens.back();
        EXPECT_EQ(r.dwSize, 1052u);
        EXPECT_EQ(std::string(r.szEntryName), ParaCp1252("Provedor Ação")) << "sent as Windows-1252";
        EXPECT_EQ(TextoDoCampo(r.szUserName), c.usuarioEnviado);
        EXPECT_EQ(TextoDoCampo(r.szPassword), c.senhaEnviada) << c.usuario;
        EXPECT_EQ(r.szPhoneNumber[0] | r.szCallbackNumber[0] | r.szDomain[0], 0);
    }
    EXPECT_TRUE(interface->mensagens.empty());
}

TEST_F(DiscagemTeste, TextosLongosSaoCortadosNoTamanhoPublicado) {
    std::string entrada(300, 'e'), usuario(300, 'u'), senha(300, 's');
    DiscaConexão(entrada, usuario, senha);
    ASSERT_EQ(servico->discagens.size(), 1u);
    EXPECT_EQ(std::string(servico->discagens[0].szEntryName), std::string(256, 'e'));
    EXPECT_EQ(std::string(servico->discagens[0].szUserName), std::string(256, 'u'));
    EXPECT_EQ(std::string(servico->discagens[0].szPassword), std::string(256, 's'));
}

TEST_F(DiscagemTeste, UmaDiscagemIniciadaGuardaOHandle) {
    servico->handleDiscagem = 31;
    LigaRediscar();
    std::string entrada = "P", usuario, senha;
    DiscaConexão(entrada, usuario, senha);
    EXPECT_EQ(hConexão, 31u);
    EXPECT_TRUE(interface->mensagens.empty());
    EXPECT_TRUE(RediscarLigado);
}

TEST_F(DiscagemTeste, CadaRecusaTemSuaMensagemEDesligaORediscarGravando) {
    const struct {
        std::uint32_t codigo;
        const char* texto;
        int estilo;
    } casos[] = {
        {602, "Porta Aberta", vbInformation},
        {623, "Acesso a Rede Dial-UP   Meu  Provedor  inexistente.", vbOKOnly},
        {678, "Erro interno ao discar. RetVal = 678", vbCritical},
        {87, "Erro interno ao discar. RetVal = 87", vbCritical},
    };
    for (const auto& c : casos) {
        for (bool rediscar : {true, false}) {
            SCOPED_TRACE(std::to_string(c.codigo) + (rediscar ? " redial on" : " redial off"));
            GravaArquivo(pastas.Programa() + "/Config.ini", "[Config]\r\nRediscar=True\r\n");
            interface->mensagens.clear();
            janela.img[7]->setEnabled(false);
            janela.itmRediscar->setChecked(true);
            janela.Timer3.Enabled(true);
            if (rediscar)
                LigaRediscar();
            AgendamentoPendente = true;
            hConexão = 42;
            servico->codigoDiscagem = c.codigo;
            servico->handleDiscagem = 5;
            std::string entrada = "  Meu  Provedor ", usuario = "u", senha = "s";

            DiscaConexão(entrada, usuario, senha);

            ASSERT_EQ(interface->mensagens.size(), 1u);
            EXPECT_EQ(interface->mensagens[0].texto, c.texto);
            EXPECT_EQ(interface->mensagens[0].estilo, c.estilo);
            EXPECT_EQ(interface->mensagens[0].titulo, TituloAplicacao);
            EXPECT_EQ(hConexão, 5u) << "the handle the dial returned, even on a refusal";
            EXPECT_TRUE(servico->desligamentos.empty()) << "a failed dial is not hung up";
            EXPECT_TRUE(janela.itmRediscar->isChecked()) << "this way leaves the tray item alone";
            EXPECT_EQ(interface->modais, 0);
            const std::string config = ArquivoConfigDe(pastas);
            if (rediscar) {
                EXPECT_TRUE(RediscarApagado());
                EXPECT_FALSE(AgendamentoPendente);
                EXPECT_TRUE(janela.img[7]->isEnabled());
                EXPECT_EQ(LeIniRediscar(), "False");
            } else {
                EXPECT_FALSE(RediscarLigado);
                EXPECT_TRUE(AgendamentoPendente);
                EXPECT_FALSE(janela.img[7]->isEnabled());
                EXPECT_TRUE(janela.Timer3.Enabled());
                EXPECT_EQ(config, "[Config]\r\nRediscar=True\r\n");
            }
        }
    }
}

// The box runs the event loop, where the redial timer would dial again if redial were still on.
TEST_F(DiscagemTeste, ORediscarJaEstaDesligadoQuandoACaixaAparece) {
    struct Observadora : InterfaceRoteirizada {
        int Mensagem(const std::string& texto, int estilo, const std::string& titulo) override {
            rediscarDuranteACaixa.push_back(RediscarLigado);
            return InterfaceRoteirizada::Mensagem(texto, estilo, titulo);
        }
        std::vector<bool> rediscarDuranteACaixa;
    };
    auto observadora = std::make_shared<Observadora>();
    DefineInterfaceUsuario(observadora);
    servico->codigoDiscagem = 678;
    for (const char* entrada : {"", "Provedor"}) {
        LigaRediscar();
        std::string e = entrada, u, s;
        DiscaConexão(e, u, s);
    }
    EXPECT_THAT(observadora->rediscarDuranteACaixa, ::testing::ElementsAre(false, false));
}
