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

// The redial watcher reads the window: it dials with redial on, the status "Sem Conexão." and the
// code of no connection at all, and with nothing less.
TEST_F(Poller, RediscarPedeOsTresSinais) {
    const struct {
        bool rediscar;
        const char* status;
        const char* codigo;
    } casos[] = {
        {false, "Sem Conexão.", "6"},
        {true, "Desconectando...", "6"},
        {true, "Sem Conexão.", "0"},
        {true, "Sem Conexão.", "6"}, // last: this one dials
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.rediscar << " " << c.status << " " << c.codigo);
        if (c.rediscar != RediscarLigado)
            janela.img_Click(51);
        DefineCaption(janela.lblStatus, c.status);
        DefineCaption(janela.lblCodStatus, c.codigo);
        janela.Timer3_Timer();
        EXPECT_EQ(hConexão != 0, &c == std::end(casos) - 1);
    }
}

// The schedule arms with its switch on and on its own second only; the ticks that see that second
// press the redial button once.
TEST_F(Poller, ConexaoAgendadaSoNoSeuSegundoLigaORediscarUmaVez) {
    HoraConexão = HoraDoDia::De(8, 0, 0);
    const struct {
        int agendar;
        int horas, minutos, segundos; // 15 ticks from here: the next second and half of the one after
        bool rediscarAntes;
        bool arma;
    } casos[] = {
        {1, 7, 59, 59, false, true},  {1, 7, 59, 59, true, true}, {0, 7, 59, 59, false, false},
        {1, 7, 59, 58, false, false}, {1, 8, 0, 1, false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.agendar << " " << c.horas << ":" << c.minutos << ":"
                                        << c.segundos << " " << c.rediscarAntes);
        AgendarConexão = c.agendar;
        relogio->Ajusta(c.horas, c.minutos, c.segundos);
        if (c.rediscarAntes != RediscarNaTela())
            janela.img_Click(51);
        AgendamentoPendente = false;
        for (int i = 0; i < 15; ++i) { // the poller alone, so that no dial ends the second early
            relogio->Avanca(100ms);
            janela.Timer1_Timer();
        }
        EXPECT_EQ(RediscarNaTela(), c.arma || c.rediscarAntes);
        EXPECT_EQ(AgendamentoPendente, c.arma);
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

// The disconnection comes with its switch on; the one-shot schedule, redial and the shutdown go
// with it only when asked for, and the shutdown after the line is down.
TEST_F(Poller, DesconexaoAgendada) {
    const struct {
        int agendar, naoDeixar, desligar;
        bool rediscar;
        int hora; // later for each case: the line's clock only moves on
    } casos[] = {
        {1, 0, 0, false, 20}, // first: no case before it has stored the redial setting
        {0, 1, 1, true, 21},
        {1, 1, 1, true, 22},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.agendar << c.naoDeixar << c.desligar << c.rediscar);
        if (Status() != "Conectado.") {
            ASSERT_TRUE(Conecta());
        }
        if (c.rediscar != RediscarLigado)
            janela.img_Click(51);
        AgendarConexão = 1;
        AgendarDesconexão = c.agendar;
        NãoDeixarAgendado = c.naoDeixar;
        DesligarComputador = c.desligar;
        HoraDesconexão = HoraDoDia::De(c.hora, 0, 0);
        relogio->Ajusta(c.hora - 1, 59, 59);
        plataforma::RASCONNSTATUSA aoPedir{};
        shell->encerramentos.clear();
        shell->aoEncerrar = [&] {
            aoPedir.dwSize = sizeof aoPedir;
            plataforma::RasGetConnectStatusA(hConexão, &aoPedir);
        };
        Passa(4s);
        EXPECT_EQ(Status(), c.agendar ? "Sem Conexão." : "Conectado.");
        const bool desliga = c.agendar && c.desligar;
        EXPECT_EQ(shell->encerramentos,
                  desliga ? std::vector<std::uint32_t>{1} : std::vector<std::uint32_t>{})
            << "shut down asked once, when asked for";
        if (desliga) {
            EXPECT_NE(aoPedir.rasconnstate, plataforma::RASCS_Connected);
        }
        EXPECT_EQ(RediscarLigado, c.rediscar && !c.agendar);
        if (!c.rediscar) {
            EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Rediscar"), "") << "redial off is left alone";
        }
        const bool limpa = c.agendar && c.naoDeixar;
        EXPECT_EQ(AgendarConexão + AgendarDesconexão, limpa ? 0 : 1 + c.agendar);
        EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Agendar Conexão"), limpa ? "0" : "");
        EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Agendar Desconexão"), limpa ? "0" : "");
    }
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
