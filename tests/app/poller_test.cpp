// The status poller, the schedule, the blink and the redial watcher, driven through the simulated
// line with a clock that moves only when the test moves it.
#include "app/janela_em_linha.h"
#include "dialup/discagem.h"
#include "platform/ras.h"
#include "settings/configuracao.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace std::chrono_literals;
using namespace quelza;

class Poller : public JanelaEmLinha {};

TEST_F(Poller, AnunciaCadaConexaoECadaQuedaUmaVez) {
    IniciarIE = 1;
    Passa(1s);
    EXPECT_EQ(Status(), "Sem Conexão.");
    EXPECT_EQ(Caption(janela.lblCodStatus), "6");
    EXPECT_EQ(Tocados("desconectado.wav"), 0) << "no loss is announced at start-up";

    std::set<std::string> vistos;
    janela.img_Click(7);
    for (int i = 0; i < 40; ++i) {
        Passa(100ms);
        vistos.insert(Status());
    }
    EXPECT_TRUE(vistos.count("Discando..."));
    EXPECT_TRUE(vistos.count("Verif. Nome e Senha..."));
    ASSERT_EQ(Status(), "Conectado.");
    Passa(3s);
    EXPECT_EQ(Tocados("conectado.wav"), 1);
    EXPECT_EQ(shell->Abertos(), std::vector<std::string>{"iexplore.exe"});
    EXPECT_EQ(shell->aberturas[0].operacao, "Open");
    EXPECT_EQ(shell->aberturas[0].mostrar, 1);
    EXPECT_TRUE(janela.Timer3.Enabled());

    Derruba();
    ASSERT_TRUE(PassaAte("Sem Conexão."));
    Passa(2s);
    EXPECT_EQ(Tocados("desconectado.wav"), 1);
    EXPECT_EQ(ConexãoAnunciada, 0);
    EXPECT_FALSE(janela.tmrEmail.Enabled());
    EXPECT_TRUE(interface->mensagens.empty()) << "with redial off nothing dials again";

    ASSERT_TRUE(Conecta());
    Passa(1s);
    EXPECT_EQ(Tocados("conectado.wav"), 2);
    EXPECT_EQ(shell->Abertos().size(), 2u);
}

TEST_F(Poller, ConexaoJaAbertaNoInicioEAnunciada) {
    std::string a = AcessoDialUp, u, s;
    DiscaConexão(a, u, s);
    relogio->Avanca(5s);
    Passa(100ms);
    EXPECT_EQ(Tocados("conectado.wav"), 1);
    EXPECT_EQ(ConexãoAnunciada, 1);
}

TEST_F(Poller, PedidosDeVerificacaoDeEmail) {
    ChecarAoConectar = 1;
    ChecarPeriodicamente = 5;
    ASSERT_TRUE(Conecta());
    EXPECT_EQ(EmailVerificado, 1);
    EXPECT_TRUE(janela.tmrEmail.Enabled());

    janela.img_Click(21);
    EXPECT_EQ(EmailVerificado, 0);
    Passa(100ms);
    EXPECT_EQ(EmailVerificado, 1) << "the check-now request is served on the next tick";

    TempoCorrido = 3;
    Derruba();
    ASSERT_TRUE(PassaAte("Sem Conexão."));
    EXPECT_EQ(EmailVerificado, 0);
    EXPECT_EQ(TempoCorrido, 0);
    EXPECT_FALSE(janela.tmrEmail.Enabled());
}

TEST_F(Poller, SemChecarAoConectarNaoVerifica) {
    ASSERT_TRUE(Conecta());
    Passa(1s);
    EXPECT_EQ(EmailVerificado, 0);
    EXPECT_FALSE(janela.tmrEmail.Enabled()) << "no periodic check configured";
}

// A tick that lets events run must not be entered again by the next tick waiting in the queue.
TEST_F(Poller, TiqueNaoEReentrado) {
    Passa(100ms);
    const int porTique = eventos->bombeamentos;
    eventos->bombeamentos = 0;

    bool aninhou = false;
    eventos->aoBombear = [&] {
        if (!aninhou) {
            aninhou = true;
            janela.Timer1_Timer();
        }
    };
    janela.Timer1_Timer();
    eventos->aoBombear = nullptr;
    ASSERT_TRUE(aninhou);
    EXPECT_EQ(eventos->bombeamentos, porTique) << "the nested tick did nothing";

    eventos->bombeamentos = 0;
    janela.Timer1_Timer();
    EXPECT_EQ(eventos->bombeamentos, porTique) << "the next tick runs in full again";
}

TEST_F(Poller, RediscarDiscaSoSemNenhumaConexao) {
    Passa(300ms);
    janela.img_Click(51);
    ASSERT_TRUE(janela.Timer3.Enabled());
    Passa(300ms);
    EXPECT_NE(hConexão, 0u) << "a dial started within one redial tick";

    // While the attempt sets up, a second dial would be refused with "Porta Aberta".
    ASSERT_TRUE(PassaAte("Conectado."));
    EXPECT_TRUE(interface->mensagens.empty());

    Derruba();
    ASSERT_TRUE(PassaAte("Sem Conexão."));
    ASSERT_TRUE(PassaAte("Conectado.")) << "redial makes the connection again";
    EXPECT_TRUE(interface->mensagens.empty());
    EXPECT_EQ(Tocados("desconectado.wav"), 1);
}

// The port opening reads as "Sem Conexão." too; only the code tells that a dial is under way.
TEST_F(Poller, RediscarNaoDiscaEnquantoAPortaAbre) {
    janela.img_Click(7);
    janela.img_Click(51);
    relogio->Avanca(100ms);
    janela.Timer1_Timer();
    ASSERT_EQ(Status(), "Sem Conexão.");
    ASSERT_EQ(Caption(janela.lblCodStatus), "0");
    janela.Timer3_Timer();
    EXPECT_TRUE(interface->mensagens.empty()) << "a second dial is refused with Porta Aberta";
    EXPECT_TRUE(RediscarLigado);
    EXPECT_TRUE(PassaAte("Conectado."));
}

TEST_F(Poller, DiscagemQueFalhaDesligaORediscar) {
    AcessoDialUp = "Provedor Que Não Existe";
    janela.img_Click(51);
    Passa(1s);
    ASSERT_EQ(interface->mensagens.size(), 1u);
    EXPECT_FALSE(RediscarLigado);
    EXPECT_FALSE(janela.Timer3.Enabled());
    EXPECT_TRUE(janela.img[7]->isEnabled());
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Rediscar"), "False");
    Passa(2s);
    EXPECT_EQ(interface->mensagens.size(), 1u) << "no more attempts";
}

// About ten ticks see the scheduled second; the redial button is pressed only on the first.
TEST_F(Poller, ConexaoAgendadaLigaORediscarUmaVez) {
    for (const bool rediscarAntes : {false, true}) {
        SCOPED_TRACE(rediscarAntes);
        relogio->Ajusta(7, 59, 59);
        if (rediscarAntes != RediscarLigado)
            janela.img_Click(51);
        AgendamentoPendente = false;
        AgendarConexão = 1;
        HoraConexão = HoraDoDia::De(8, 0, 0);
        // The poller alone: no redial tick dials, so every tick of that second sees no connection.
        for (int i = 0; i < 20; ++i) {
            relogio->Avanca(100ms);
            janela.Timer1_Timer();
        }
        EXPECT_TRUE(RediscarLigado);
        EXPECT_TRUE(RediscarNaTela());
        EXPECT_TRUE(janela.itmRediscar->isChecked());
        EXPECT_TRUE(AgendamentoPendente);
        EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Rediscar"), "True");
    }
}

TEST_F(Poller, ConexaoAgendadaForaDaHoraNadaFaz) {
    AgendarConexão = 1;
    HoraConexão = HoraDoDia::De(8, 0, 0);
    relogio->Ajusta(8, 0, 1);
    Passa(2s);
    EXPECT_FALSE(RediscarLigado);
    EXPECT_FALSE(AgendamentoPendente);
}

TEST_F(Poller, ProgramaAgendadoIniciaUmaVezAoConectar) {
    struct Caso {
        std::string programa;
        std::size_t inicios;
    };
    for (const Caso& c : {Caso{"/opt/leitor/leitor --novo", 1}, Caso{"   ", 0}, Caso{"", 0}}) {
        SCOPED_TRACE(c.programa);
        shell->inicios.clear();
        ProgramaExecutar = c.programa;
        AgendamentoPendente = true;
        ASSERT_TRUE(Conecta());
        Passa(2s);
        ASSERT_EQ(shell->inicios.size(), c.inicios);
        if (c.inicios) {
            EXPECT_EQ(shell->inicios[0].linhaDeComando, c.programa);
            EXPECT_EQ(shell->inicios[0].estilo, 2u);
        }
        EXPECT_FALSE(AgendamentoPendente);
        janela.img_Click(9);
        ASSERT_TRUE(PassaAte("Sem Conexão."));
        Passa(1s);
    }
}

TEST_F(Poller, DesconexaoAgendadaDesligaLimpaOAgendamentoEDesligaOComputador) {
    ASSERT_TRUE(Conecta());
    janela.img_Click(51);
    AgendarConexão = 1;
    HoraConexão = HoraDoDia::De(8, 0, 0);
    AgendarDesconexão = 1;
    NãoDeixarAgendado = 1;
    DesligarComputador = 1;
    relogio->Ajusta(21, 59, 59);
    HoraDesconexão = HoraDoDia::De(22, 0, 0);

    Passa(2s);
    EXPECT_EQ(shell->encerramentos, std::vector<std::uint32_t>{1}) << "shut down asked once";
    EXPECT_FALSE(RediscarLigado);
    EXPECT_EQ(AgendarConexão, 0);
    EXPECT_EQ(AgendarDesconexão, 0);
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Agendar Conexão"), "0");
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Agendar Desconexão"), "0");
    EXPECT_EQ(Status(), "Sem Conexão.");
    Passa(2s);
    EXPECT_EQ(Status(), "Sem Conexão.") << "redial was switched off, nothing dials again";
}

TEST_F(Poller, ODesligamentoEPedidoDepoisDeDesligarALinha) {
    ASSERT_TRUE(Conecta());
    AgendarDesconexão = 1;
    DesligarComputador = 1;
    relogio->Ajusta(22, 0, 0);
    HoraDesconexão = HoraDoDia::De(22, 0, 0);
    plataforma::RASCONNSTATE estadoAoPedir = plataforma::RASCS_Connected;
    shell->aoEncerrar = [&] {
        plataforma::RASCONNSTATUSA estado{};
        estado.dwSize = sizeof estado;
        plataforma::RasGetConnectStatusA(hConexão, &estado);
        estadoAoPedir = estado.rasconnstate;
    };
    janela.Timer1_Timer();
    ASSERT_EQ(shell->encerramentos.size(), 1u);
    EXPECT_NE(estadoAoPedir, plataforma::RASCS_Connected);
}

TEST_F(Poller, AgendamentoSoDeConexaoNaoELimpo) {
    AgendarConexão = 1;
    NãoDeixarAgendado = 1;
    HoraConexão = HoraDoDia::De(8, 0, 0);
    relogio->Ajusta(7, 59, 59);
    Passa(1s);
    ASSERT_TRUE(PassaAte("Conectado."));
    Passa(2s);
    EXPECT_EQ(AgendarConexão, 1);
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Agendar Conexão"), "");
}

TEST_F(Poller, IndicadorEIconePiscamJuntosEVoltamAoRepouso) {
    janela.img_Click(3);
    ASSERT_TRUE(Conecta());
    Passa(100ms);
    ASSERT_TRUE(janela.Timer2.Enabled());

    const auto ultimoIcone = [&] { return bandeja->chamadas.back().dados.hIcon; };
    janela.img[100]->DefinePicture(janela.imgX[100]);
    for (int i = 0; i < 4; ++i) {
        janela.Timer2_Timer();
        const bool aceso = janela.img[100]->Picture().Handle == janela.imgX[101].Handle;
        EXPECT_EQ(aceso, i % 2 == 0);
        EXPECT_EQ(ultimoIcone(), aceso ? janela.Picture2.Handle : janela.Picture1.Handle);
    }
    janela.Timer2_Timer();
    ASSERT_EQ(janela.img[100]->Picture().Handle, janela.imgX[101].Handle);

    Derruba();
    Passa(100ms);
    EXPECT_EQ(janela.img[100]->Picture().Handle, janela.imgX[100].Handle);
    EXPECT_FALSE(janela.Timer2.Enabled());
    ASSERT_TRUE(PassaAte("Sem Conexão."));
    EXPECT_EQ(ultimoIcone(), janela.Picture1.Handle);
}

} // namespace
