// The status poller, the schedule, the blink and the redial watcher, driven through the simulated
// line with a clock that moves only when the test moves it.
#include "app/janela_em_linha.h"
#include "dialup/discagem.h"
#include "platform/discagem/ras.h"
#include "settings/configuracao.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using namespace std::chrono_literals;
using namespace quelza;

using Poller = JanelaEmLinha;

TEST_F(Poller, AnunciaCadaConexaoECadaQuedaUmaVez) {
    IniciarIE = 1;
    Passa(1s);
    EXPECT_EQ(Tocados("desconectado.wav"), 0) << "no loss is announced at start-up";
    for (int conexao = 1; conexao <= 2; ++conexao) {
        ASSERT_TRUE(Conecta());
        Passa(2s);
        EXPECT_EQ(Tocados("conectado.wav"), conexao);
        EXPECT_EQ(shell->Abertos(), std::vector<std::string>(conexao, "iexplore.exe"));
        Derruba();
        ASSERT_TRUE(PassaAte("Sem Conexão."));
        Passa(2s);
        EXPECT_EQ(Tocados("desconectado.wav"), conexao);
        EXPECT_TRUE(interface->mensagens.empty()) << "with redial off nothing dials again";
    }
}

TEST_F(Poller, PedidosDeVerificacaoDeEmail) {
    ChecarAoConectar = 1;
    ChecarPeriodicamente = 5;
    ASSERT_TRUE(Conecta());
    EXPECT_EQ(EmailVerificado, 1);
    EXPECT_TRUE(janela.tmrEmail.Enabled());
    janela.img_Click(21);
    Passa(100ms);
    EXPECT_EQ(EmailVerificado, 1) << "the check-now request is served on the next tick";

    TempoCorrido = 3;
    Derruba();
    ASSERT_TRUE(PassaAte("Sem Conexão."));
    EXPECT_EQ(EmailVerificado, 0);
    EXPECT_EQ(TempoCorrido, 0);
    EXPECT_FALSE(janela.tmrEmail.Enabled());
}

// A nested tick, as a queued timer event run inside the tick's own event pump, does nothing.
TEST_F(Poller, TiqueNaoEReentrado) {
    Passa(100ms);
    const int porTique = eventos->bombeamentos;
    eventos->bombeamentos = 0;
    bool aninhou = false;
    eventos->aoBombear = [&] {
        if (!std::exchange(aninhou, true))
            janela.Timer1_Timer();
    };
    janela.Timer1_Timer();
    janela.Timer1_Timer();
    EXPECT_EQ(eventos->bombeamentos, 2 * porTique) << "the nested tick pumps nothing, the next runs in full";
}

// The port opening reads as "Sem Conexão." too; only the code tells that a dial is under way.
TEST_F(Poller, RediscarDiscaSoSemNenhumaConexao) {
    janela.img_Click(7);
    janela.img_Click(51);
    Passa(100ms);
    ASSERT_EQ(Status(), "Sem Conexão.");
    janela.Timer3_Timer();
    ASSERT_TRUE(PassaAte("Conectado."));
    EXPECT_TRUE(interface->mensagens.empty()) << "a second dial is refused with Porta Aberta";

    Derruba();
    ASSERT_TRUE(PassaAte("Sem Conexão."));
    Passa(300ms);
    EXPECT_NE(hConexão, 0u) << "a dial started within one redial tick";
    EXPECT_TRUE(PassaAte("Conectado."));
}

// About ten ticks see the scheduled second; the redial button is pressed only on the first.
TEST_F(Poller, ConexaoAgendadaLigaORediscarUmaVez) {
    AgendarConexão = 1;
    HoraConexão = HoraDoDia::De(8, 0, 0);
    for (const bool rediscarAntes : {false, true}) {
        SCOPED_TRACE(rediscarAntes);
        relogio->Ajusta(7, 59, 59);
        if (rediscarAntes != RediscarLigado)
            janela.img_Click(51);
        AgendamentoPendente = false;
        for (int i = 0; i < 20; ++i) { // the poller alone, so that no dial ends the second early
            relogio->Avanca(100ms);
            janela.Timer1_Timer();
        }
        EXPECT_TRUE(RediscarNaTela());
        EXPECT_TRUE(AgendamentoPendente);
    }
}

TEST_F(Poller, ProgramaAgendadoIniciaUmaVezAoConectar) {
    for (const std::string programa : {"/opt/leitor/leitor --novo", "   "}) {
        SCOPED_TRACE(programa);
        shell->inicios.clear();
        ProgramaExecutar = programa;
        AgendamentoPendente = true;
        ASSERT_TRUE(Conecta());
        Passa(2s);
        EXPECT_FALSE(AgendamentoPendente);
        ASSERT_EQ(shell->inicios.size(), programa == "   " ? 0u : 1u);
        if (!shell->inicios.empty()) {
            EXPECT_EQ(shell->inicios[0].linhaDeComando, programa);
            EXPECT_EQ(shell->inicios[0].estilo, 2u);
        }
        janela.img_Click(9);
        ASSERT_TRUE(PassaAte("Sem Conexão."));
    }
}

TEST_F(Poller, DesconexaoAgendadaLimpaOAgendamentoEDesligaDepoisDeDesligarALinha) {
    ASSERT_TRUE(Conecta());
    janela.img_Click(51);
    AgendarConexão = 1;
    AgendarDesconexão = 1;
    NãoDeixarAgendado = 1;
    DesligarComputador = 1;
    relogio->Ajusta(21, 59, 59);
    HoraDesconexão = HoraDoDia::De(22, 0, 0);
    plataforma::RASCONNSTATUSA aoPedir{};
    shell->aoEncerrar = [&] {
        aoPedir.dwSize = sizeof aoPedir;
        plataforma::RasGetConnectStatusA(hConexão, &aoPedir);
    };
    Passa(4s);
    EXPECT_EQ(shell->encerramentos, std::vector<std::uint32_t>{1}) << "shut down asked once";
    EXPECT_NE(aoPedir.rasconnstate, plataforma::RASCS_Connected);
    EXPECT_FALSE(RediscarLigado);
    EXPECT_EQ(Status(), "Sem Conexão.");
    EXPECT_EQ(AgendarConexão + AgendarDesconexão, 0);
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Agendar Conexão"), "0");
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Agendar Desconexão"), "0");
}

TEST_F(Poller, AgendamentoSoDeConexaoNaoELimpo) {
    AgendarConexão = 1;
    NãoDeixarAgendado = 1;
    HoraConexão = HoraDoDia::De(8, 0, 0);
    relogio->Ajusta(7, 59, 59);
    Passa(1s);
    ASSERT_TRUE(PassaAte("Conectado."));
    EXPECT_EQ(AgendarConexão, 1);
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Agendar Conexão"), "");
}

TEST_F(Poller, IndicadorEIconePiscamJuntosEVoltamAoRepouso) {
    janela.img_Click(3);
    ASSERT_TRUE(Conecta());
    EXPECT_TRUE(janela.Timer2.Enabled());
    const auto icone = [&] { return bandeja->chamadas.back().dados.hIcon; };
    janela.img[100]->DefinePicture(janela.imgX[100]);
    for (int i = 0; i < 3; ++i) {
        janela.Timer2_Timer();
        const bool aceso = i % 2 == 0;
        EXPECT_EQ(janela.img[100]->Picture().Handle, janela.imgX[aceso ? 101 : 100].Handle);
        EXPECT_EQ(icone(), (aceso ? janela.Picture2 : janela.Picture1).Handle);
    }
    Derruba();
    Passa(100ms);
    EXPECT_EQ(janela.img[100]->Picture().Handle, janela.imgX[100].Handle);
    EXPECT_FALSE(janela.Timer2.Enabled());
    ASSERT_TRUE(PassaAte("Sem Conexão."));
    EXPECT_EQ(icone(), janela.Picture1.Handle);
}

} // namespace
