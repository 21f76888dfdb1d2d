// The mail check as the main window runs it: after connecting, on the periodic timer, and what the
// window shows, against a scripted POP3 server on a loopback port.
#include "app/janela_em_linha.h"
#include "platform/nucleo/escolha_backend.h"
#include "platform/sessao/qt/sinais.h"
#include "settings/configuracao.h"
#include "support/espera_no_relogio.h"
#include "support/servidor_pop3_roteirizado.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>

namespace {

using namespace std::chrono_literals;
using namespace quelza;

class EmailNaJanela : public JanelaEmLinha {
protected:
    EmailNaJanela() {
        plataforma::DefineBackend<plataforma::Espera>(espera);
        TempoDeEspera = 1;
        SomTemEmail = "tememail.wav";
        servidor.caixas["ana"] = {"1", "+OK 3 1234", {}};
        servidor.caixas["bia"] = {"2", "+OK 1 10", {}};
        ContasEmail = {{"Casa", servidor.Endereco(), "ana", "1"},
                       {"Trabalho", servidor.Endereco(), "bia", "2"}};
        TemContasEmail = true;
    }
    ~EmailNaJanela() override { plataforma::DefineBackend<plataforma::Espera>(nullptr); }

    bool Figura(int elemento) const {
        return janela.img.at(200)->Picture().Handle == janela.imgX.at(elemento).Handle;
    }

    std::shared_ptr<EsperaNoRelogio> espera = std::make_shared<EsperaNoRelogio>(relogio);
    ServidorPop3Roteirizado servidor;
};

TEST_F(EmailNaJanela, ConectarVerificaTodasAsContas) {
    ChecarAoConectar = 1;
    bool fecharDesligado = true;
    espera->aoAguardar = [&] { fecharDesligado = fecharDesligado && !janela.img[5]->isEnabled(); };
    ASSERT_TRUE(Conecta());
    EXPECT_EQ(servidor.conexoes, 2);
    EXPECT_EQ(Caption(janela.lblContaEmail), "4 mensagens às 10:00");
    EXPECT_EQ(janela.lblContaEmail->toolTip().toStdString(), "Casa: 3 mensagens\nTrabalho: 1 mensagem");
    EXPECT_TRUE(Figura(200));
    EXPECT_EQ(Tocados("tememail.wav"), 1);
    EXPECT_TRUE(fecharDesligado);
    EXPECT_TRUE(janela.img[5]->isEnabled());

    Passa(1s);
    EXPECT_EQ(servidor.conexoes, 2) << "once per connection";
}

// The desktop notice counts on the connection: the next connection's first run is new mail again.
TEST_F(EmailNaJanela, AvisoDeNovoEmailPorConexao) {
    ChecarAoConectar = 1;
    AvisarNovoEmail = 1;
    for (int conexao = 0; conexao < 2; ++conexao) {
        ASSERT_TRUE(Conecta());
        janela.img_Click(21);
        Passa(1s);
        EXPECT_EQ(servidor.conexoes, 4 * (conexao + 1)) << "checked twice on each connection";
        Derruba();
        Passa(2s);
    }
    ASSERT_EQ(avisos->avisos.size(), 2u);
    EXPECT_EQ(avisos->avisos[1].Resumo, "Você tem 4 mensagens");
    EXPECT_EQ(avisos->avisos[1].Corpo, "Casa: 3 mensagens\nTrabalho: 1 mensagem");
}

// Runs at 5 and 10 minutes after the timer came on; a period lowered below the count waits for the
// next disconnection; a period that falls due during a run skips and counts again from 0.
TEST_F(EmailNaJanela, VerificacaoPeriodica) {
    ChecarPeriodicamente = 5;
    for (int minuto = 1; minuto <= 10; ++minuto)
        janela.tmrEmail_Timer();
    EXPECT_EQ(servidor.conexoes, 4);
    EXPECT_EQ(TempoCorrido, 0);

    for (int minuto = 1; minuto <= 3; ++minuto)
        janela.tmrEmail_Timer();
    ChecarPeriodicamente = 2;
    for (int minuto = 1; minuto <= 5; ++minuto)
        janela.tmrEmail_Timer();
    EXPECT_EQ(servidor.conexoes, 4);

    TempoCorrido = 0;
    ChecarPeriodicamente = 1;
    servidor.caixas["ana"].roteiro["USER"] = ServidorPop3Roteirizado::Silencio();
    espera->aoAguardar = [&] {
        if (espera->pausas == 1)
            janela.tmrEmail_Timer();
    };
    janela.tmrEmail_Timer();
    EXPECT_EQ(servidor.conexoes, 6) << "the nested tick started no run of its own";
    EXPECT_EQ(TempoCorrido, 0);
    EXPECT_EQ(Caption(janela.lblContaEmail), "1 mensagem às 10:00");
    EXPECT_EQ(janela.lblContaEmail->toolTip().toStdString(),
              "Casa: Erro. Usuário Inválido.\nTrabalho: 1 mensagem");
}

// SIGTERM while a dead server is awaited: its socket closes at once, the accounts after it are not
// asked, and the unload follows in the same pause (closing cue, "Rediscar" False), not after each
// account has sat out its 30 seconds.
TEST_F(EmailNaJanela, SinalDuranteAVerificacaoParaAExecucaoEDescarrega) {
    static frmTelvanor01* alvo = nullptr;
    alvo = &janela;
    plataforma::AoTerminar([] {
        if (alvo)
            alvo->Descarrega();
    });
    TempoDeEspera = 30;
    SomFinalizando = "fim.wav";
    GravaIni(ArquivoConfig(), "Config", "Rediscar", "True");
    for (const char* usuario : {"ana", "bia"})
        servidor.caixas[usuario].roteiro["USER"] = ServidorPop3Roteirizado::Silencio();
    ContasEmail.push_back(ContasEmail[0]);
    ContasEmail.push_back(ContasEmail[1]);

    int pausaDoSinal = 0;
    plataforma::InstanteMonotono noSinal{};
    espera->aoAguardar = [&] {
        if (espera->pausas == 3) {
            pausaDoSinal = espera->pausas;
            noSinal = relogio->monotono;
            std::raise(SIGTERM);
        }
    };
    janela.tmrEmail.Enabled(true);
    ChecarPeriodicamente = 1;
    janela.tmrEmail_Timer();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    alvo = nullptr;

    EXPECT_EQ(espera->pausas, pausaDoSinal) << "no pause after the signal";
    EXPECT_LT(relogio->monotono - noSinal, std::chrono::seconds(1));
    EXPECT_EQ(servidor.conexoes, 1);
    EXPECT_EQ(servidor.encerradas, 1);
    EXPECT_EQ(Tocados("fim.wav"), 1);
    EXPECT_EQ(Tocados("tememail.wav"), 0);
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Rediscar"), "False");
    EXPECT_EQ(instancia->encerramentos, 1);
    EXPECT_TRUE(janela.img[5]->isEnabled());
}

} // namespace
