// DiscaConexão: the empty entry, the dial record it builds, and what each refusal leaves behind.
#include "discagem_ambiente.h"

#include "dialup/discagem.h"
#include "platform/texto/cp1252.h"
#include "settings/configuracao.h"

using namespace quelza;
using namespace plataforma;

TEST_F(DiscagemTeste, UmaEntradaVaziaOuEmBrancoPedeAConfiguracaoNaPrimeiraAba) {
    for (const auto& [vazia, rediscar] : {std::pair{"", false}, {"   ", true}}) {
        SCOPED_TRACE(std::string("'") + vazia + "'");
        PreparaRecusa(rediscar);
        std::string entrada = vazia, usuario = "ana", senha = "s";
        DiscaConexão(entrada, usuario, senha);

        EXPECT_EQ(interface->mensagens, (Caixas{{"Configure sua conexão!", vbOKOnly, TituloAplicacao}}));
        EXPECT_EQ(janela.abas, std::vector<int>{0});
        EXPECT_TRUE(servico->discagens.empty());
        EXPECT_EQ(hConexão, 42u);
        ConfereRediscarDepois(rediscar);
        EXPECT_EQ(LeArquivo(ArquivoConfig()), "") << "this way stores nothing";
    }
}

TEST_F(DiscagemTeste, ORegistroLevaASenhaSoComUsuario) {
    const struct {
        const char *usuario, *senha, *usuarioEnviado, *senhaEnviada;
    } casos[] = {
        {"ana", "segredo", "ana", "segredo"},
        {"", "segredo", "", ""},
        {"joão", "", "joão", ""},
    };
    for (const auto& c : casos) {
        std::string entrada = "Provedor Ação", usuario = c.usuario, senha = c.senha;
        DiscaConexão(entrada, usuario, senha);
        const RASDIALPARAMSA& r = servico->discagens.back();
        EXPECT_EQ(std::string(r.szEntryName), ParaCp1252("Provedor Ação")) << "sent as Windows-1252";
        EXPECT_EQ(DeCp1252(r.szUserName), c.usuarioEnviado);
        EXPECT_EQ(DeCp1252(r.szPassword), c.senhaEnviada) << "user '" << c.usuario << "'";
    }
    std::string longa(300, 'e'), usuario = "u", senha = "s";
    DiscaConexão(longa, usuario, senha);
    EXPECT_EQ(std::string(servico->discagens.back().szEntryName), std::string(256, 'e'));
    EXPECT_TRUE(interface->mensagens.empty());
}

TEST_F(DiscagemTeste, CadaRecusaTemSuaMensagemEComRediscarODesligaGravando) {
    const struct {
        std::uint32_t codigo;
        const char* texto;
        int estilo;
    } casos[] = {
        {602, "Porta Aberta", vbInformation},
        {623, "Acesso a Rede Dial-UP   Meu  Provedor  inexistente.", vbOKOnly},
        {678, "Erro interno ao discar. RetVal = 678", vbCritical},
    };
    const std::string configAntes = "[Config]\r\nRediscar=True\r\n";
    for (const auto& c : casos) {
        for (bool rediscar : {true, false}) {
            SCOPED_TRACE(std::to_string(c.codigo) + (rediscar ? " redial on" : " redial off"));
            GravaArquivo(ArquivoConfig(), configAntes);
            PreparaRecusa(rediscar);
            servico->codigoDiscagem = c.codigo;
            servico->handleDiscagem = 5;
            std::string entrada = "  Meu  Provedor ", usuario = "u", senha = "s";
            DiscaConexão(entrada, usuario, senha);

            EXPECT_EQ(interface->mensagens, (Caixas{{c.texto, c.estilo, TituloAplicacao}}));
            EXPECT_EQ(hConexão, 5u) << "the handle the dial returned, even on a refusal";
            EXPECT_TRUE(servico->desligamentos.empty()) << "a failed dial is not hung up";
            ConfereRediscarDepois(rediscar);
            EXPECT_TRUE(janela.abas.empty());
            EXPECT_EQ(LeArquivo(ArquivoConfig()), rediscar ? "[Config]\r\nRediscar=False\r\n" : configAntes);
        }
    }
}
