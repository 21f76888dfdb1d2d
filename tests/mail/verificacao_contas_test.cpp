// The run over the accounts against a scripted POP3 server on a loopback port: what the window
// shows, the lines the server receives, and how each wait ends. Time moves only on the test's clock.
#include "mail/verificacao_contas.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/espera_no_relogio.h"
#include "support/janela_email_registrada.h"
#include "support/servidor_pop3_roteirizado.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace quelza;
using Resposta = ServidorPop3Roteirizado::Resposta;
using Linhas = std::vector<std::string>;

const Linhas Completo = {"USER ana\r\n", "PASS 1\r\n", "STAT \r\n", "QUIT\r\n"};
const Linhas SemQuit = {"USER ana\r\n", "PASS 1\r\n", "STAT \r\n"};

class VerificacaoEmail : public AmbienteTeste {
protected:
    VerificacaoEmail() {
        relogio->Ajusta(9, 30);
        plataforma::DefineEspera(espera);
        DefineJanelaEmail(janela);
        TempoDeEspera = 1;
        SomLigado = 1;
        SomTemEmail = "tememail.wav";
        servidor.caixas["ana"] = {"1", "+OK 3 1234", {}};
        servidor.caixas["bia"] = {"2", "+OK 0 0", {}};
    }
    ~VerificacaoEmail() override {
        plataforma::DefineEspera(nullptr);
        DefineJanelaEmail(nullptr);
    }

    void Contas(const std::vector<std::string>& usuarios) {
        ContasEmail.clear();
        const char* nomes[] = {"Casa", "Trabalho"};
        for (std::size_t i = 0; i < usuarios.size(); ++i)
            ContasEmail.push_back(
                {nomes[i], servidor.Endereco(), usuarios[i], servidor.caixas[usuarios[i]].senha});
        TemContasEmail = !ContasEmail.empty();
    }

    // A fresh window and server log for the next case of a table.
    void NovoCaso() {
        janela = std::make_shared<JanelaEmailRegistrada>();
        DefineJanelaEmail(janela);
        servidor.recebidas.clear();
        servidor.saudacao = ServidorPop3Roteirizado::Linha("+OK pronto");
        espera->pausasVazias = 0;
    }

    // What the client wrote is already in the server's socket; let the server read it.
    void Escoa() {
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
    }

    std::shared_ptr<JanelaEmailRegistrada> janela = std::make_shared<JanelaEmailRegistrada>();
    std::shared_ptr<EsperaNoRelogio> espera = std::make_shared<EsperaNoRelogio>(relogio);
    ServidorPop3Roteirizado servidor;
};

TEST_F(VerificacaoEmail, UmaContaMostraTotalFiguraECue) {
    const struct {
        const char* stat;
        const char* rotulo;
        FiguraEmail figura;
        bool toca;
        Linhas linhas;
        const char* dica;
    } casos[] = {
        {"+OK 0 0", "0 mensagens às 09:30", FiguraEmail::SemEmail, false, Completo, "Casa: 0 mensagens"},
        {"+OK 1 320", "1 mensagem às 09:30", FiguraEmail::TemEmail, true, Completo, "Casa: 1 mensagem"},
        {"+OK 12 40960", "12 mensagens às 09:30", FiguraEmail::TemEmail, true, Completo,
         "Casa: 12 mensagens"},
        {"+OK 3", "0 mensagens.", FiguraEmail::SemEmail, false, SemQuit, "Casa: Erro. Resposta Inválida."},
        {"+OK 40000 1", "0 mensagens.", FiguraEmail::SemEmail, false, SemQuit,
         "Casa: Erro. Total de Mensagens Excessivo."},
    };
    for (const auto& c : casos) {
        NovoCaso();
        servidor.caixas["ana"].stat = c.stat;
        Contas({"ana"});
        VerificaTodasAsContas();
        Escoa();
        EXPECT_EQ(janela->rotulos,
                  (Linhas{"Conectando... ", "Verificando Usuário...", "Autenticando...", c.rotulo}))
            << c.stat;
        EXPECT_EQ(janela->figura, c.figura) << c.stat;
        EXPECT_EQ(janela->sons, c.toca ? Linhas{"tememail.wav"} : Linhas{}) << c.stat;
        EXPECT_EQ(servidor.recebidas, c.linhas) << c.stat;
        EXPECT_EQ(janela->dica, c.dica) << c.stat;
        EXPECT_EQ(janela->fechar, (std::vector<bool>{false, true})) << c.stat;
        EXPECT_EQ(espera->pausasVazias, 0) << c.stat;
    }
    EXPECT_EQ(servidor.conexoes, 5) << "one connection per account and run";
}

// Each step's failure: its text and the time, no QUIT, and a wait that ends at once unless the
// server simply says nothing (then it lasts Tempo de Espera, 1 s, in 200 ms pauses).
TEST_F(VerificacaoEmail, FalhaDeCadaPasso) {
    const Resposta garrancho = {{std::string("\x01\xfe ok\r\n", 7)}};
    const Resposta linhaDeUmMega = {{std::string(1 << 20, 'x')}};
    const struct {
        const char* caso;
        std::optional<Resposta> saudacao;
        const char* comando;
        Resposta resposta;
        const char* rotulo;
        Linhas linhas;
        int pausasVazias;
    } casos[] = {
        {"greeting refused",
         Resposta{{"-ERR ocupado\r\n"}},
         "",
         {},
         "Erro. Sem Resposta do Servidor. 09:30",
         {},
         0},
        {"closed before greeting",
         ServidorPop3Roteirizado::Fecha(),
         "",
         {},
         "Erro. Sem Resposta do Servidor. 09:30",
         {},
         0},
        {"no greeting",
         ServidorPop3Roteirizado::Silencio(),
         "",
         {},
         "Erro. Sem Resposta do Servidor. 09:30",
         {},
         6},
        {"user refused",
         {},
         "USER",
         {{"-ERR quem?\r\n"}},
         "Erro. Usuário Inválido. 09:30",
         {"USER ana\r\n"},
         0},
        {"closed at user",
         {},
         "USER",
         ServidorPop3Roteirizado::Fecha(),
         "Erro. Usuário Inválido. 09:30",
         {"USER ana\r\n"},
         0},
        {"garbage at user", {}, "USER", garrancho, "Erro. Usuário Inválido. 09:30", {"USER ana\r\n"}, 0},
        {"1 MB line at user",
         {},
         "USER",
         linhaDeUmMega,
         "Erro. Usuário Inválido. 09:30",
         {"USER ana\r\n"},
         0},
        {"password refused",
         {},
         "PASS",
         {{"-ERR senha\r\n"}},
         "Erro. Senha Inválida. 09:30",
         {"USER ana\r\n", "PASS 1\r\n"},
         0},
        {"no answer to password",
         {},
         "PASS",
         {},
         "Erro. Senha Inválida. 09:30",
         {"USER ana\r\n", "PASS 1\r\n"},
         6},
        {"stat refused", {}, "STAT", {{"-ERR\r\n"}}, "Erro. Sem Resposta. 09:30", SemQuit, 0},
        {"closed at stat",
         {},
         "STAT",
         ServidorPop3Roteirizado::Fecha(),
         "Erro. Sem Resposta. 09:30",
         SemQuit,
         0},
    };
    for (const auto& c : casos) {
        NovoCaso();
        if (c.saudacao)
            servidor.saudacao = *c.saudacao;
        servidor.caixas["ana"].roteiro.clear();
        if (*c.comando)
            servidor.caixas["ana"].roteiro[c.comando] = c.resposta;
        Contas({"ana"});
        VerificaTodasAsContas();
        Escoa();
        EXPECT_EQ(janela->Rotulo(), c.rotulo) << c.caso;
        EXPECT_EQ(servidor.recebidas, c.linhas) << c.caso;
        EXPECT_EQ(espera->pausasVazias, c.pausasVazias) << c.caso;
        EXPECT_EQ(janela->figura, FiguraEmail::SemEmail) << c.caso;
        EXPECT_TRUE(janela->sons.empty()) << c.caso;
    }
}

TEST_F(VerificacaoEmail, DuasContasSomamEORotuloFicaComAUltima) {
    const struct {
        const char* statAna;
        std::map<std::string, Resposta> roteiroBia;
        const char* rotulo;
        FiguraEmail figura;
        const char* dica;
    } casos[] = {
        {"+OK 2 10",
         {},
         "2 mensagens às 09:30",
         FiguraEmail::TemEmail,
         "Casa: 2 mensagens\nTrabalho: 0 mensagens"},
        {"+OK 3 10",
         {{"USER", ServidorPop3Roteirizado::Linha("-ERR")}},
         "Erro. Usuário Inválido. 09:30",
         FiguraEmail::TemEmail,
         "Casa: 3 mensagens\nTrabalho: Erro. Usuário Inválido."},
        {"+OK 3 10",
         {{"STAT", ServidorPop3Roteirizado::Linha("+OK 4")}},
         "3 mensagens. Erro às 09:30",
         FiguraEmail::TemEmail,
         "Casa: 3 mensagens\nTrabalho: Erro. Resposta Inválida."},
    };
    for (const auto& c : casos) {
        NovoCaso();
        servidor.caixas["ana"].stat = c.statAna;
        servidor.caixas["bia"].roteiro = c.roteiroBia;
        Contas({"ana", "bia"});
        VerificaTodasAsContas();
        EXPECT_EQ(janela->Rotulo(), c.rotulo);
        EXPECT_EQ(janela->figura, c.figura);
        EXPECT_EQ(janela->dica, c.dica);
        EXPECT_EQ(janela->sons, Linhas{"tememail.wav"}) << c.rotulo;
    }
}

TEST_F(VerificacaoEmail, RespostasSaoLinhasInteirasQueChegamDepoisDoComando) {
    // A reply in three pieces, 20 ms apart, is joined and counted once.
    servidor.caixas["ana"].roteiro["STAT"] =
        Resposta{{"+O", "K 3 ", "10\r\n"}, false, std::chrono::milliseconds(20)};
    Contas({"ana"});
    VerificaTodasAsContas();
    EXPECT_EQ(janela->Rotulo(), "3 mensagens às 09:30");

    // Lines the server sends ahead of a command are not taken as its reply.
    NovoCaso();
    servidor.caixas["ana"].roteiro.clear();
    servidor.saudacao = Resposta{{"+OK oi\r\n+OK\r\n+OK\r\n+OK 5 0\r\n"}};
    servidor.caixas["ana"].roteiro["USER"] = ServidorPop3Roteirizado::Silencio();
    VerificaTodasAsContas();
    EXPECT_EQ(janela->Rotulo(), "Erro. Usuário Inválido. 09:30");
}

// The time-out counts on a monotonic clock: the label's time wraps at midnight, the wait does not.
TEST_F(VerificacaoEmail, TempoDeEspera) {
    const struct {
        std::int16_t tempo;
        int horas, minutos, segundos;
        bool silencio;
        const char* rotulo;
        int pausasVazias;
    } casos[] = {
        {0, 9, 30, 0, false, "3 mensagens às 09:30", 0},
        {0, 9, 30, 0, true, "Erro. Usuário Inválido. 09:30", 1},
        {2, 23, 59, 59, true, "Erro. Usuário Inválido. 00:00", 11},
        {-1, 9, 30, 0, false, "Erro. Sem Resposta do Servidor. 09:30", 0},
    };
    for (const auto& c : casos) {
        NovoCaso();
        TempoDeEspera = c.tempo;
        relogio->Ajusta(c.horas, c.minutos, c.segundos);
        servidor.caixas["ana"].roteiro.clear();
        if (c.silencio)
            servidor.caixas["ana"].roteiro["USER"] = ServidorPop3Roteirizado::Silencio();
        Contas({"ana"});
        VerificaTodasAsContas();
        EXPECT_EQ(janela->Rotulo(), c.rotulo) << c.tempo;
        EXPECT_EQ(espera->pausasVazias, c.pausasVazias) << c.tempo;
    }
}

TEST_F(VerificacaoEmail, ServidorInalcancavelOuInvalido) {
    QTcpServer fechado;
    fechado.listen(QHostAddress::LocalHost, 0);
    const std::string recusado = "127.0.0.1:" + std::to_string(fechado.serverPort());
    fechado.close();
    const struct {
        std::string servidor;
        const char* rotulo;
        const char* dica;
    } casos[] = {
        {recusado, "Erro. Sem Resposta do Servidor. 09:30", "Casa: Erro. Sem Resposta do Servidor."},
        {"nao-existe.invalid:2110", "Erro. Sem Resposta do Servidor. 09:30",
         "Casa: Erro. Sem Resposta do Servidor."},
        {"pop3://", "0 mensagens.", "Casa: Erro. Servidor Inválido."},
    };
    for (const auto& c : casos) {
        NovoCaso();
        ContasEmail = {{"Casa", c.servidor, "ana", "1"}};
        TemContasEmail = true;
        VerificaTodasAsContas();
        EXPECT_EQ(janela->Rotulo(), c.rotulo) << c.servidor;
        EXPECT_EQ(janela->dica, c.dica) << c.servidor;
    }
    EXPECT_EQ(espera->pausasVazias, 0) << "the invalid field never waits";
}

// While a reply is awaited the window serves its events; a trigger served there starts no second
// run, and an account list reloaded there is read afresh.
TEST_F(VerificacaoEmail, DuranteAEsperaAJanelaServeEventosSemSegundaExecucao) {
    servidor.caixas["ana"].roteiro["USER"] = ServidorPop3Roteirizado::Silencio();
    Contas({"ana", "bia"});
    bool servido = false;
    QTimer::singleShot(0, [&] { servido = true; });
    espera->aoAguardar = [&] {
        if (espera->pausas == 1) {
            VerificaTodasAsContas();
            ContasEmail.resize(1);
        }
    };
    VerificaTodasAsContas();
    EXPECT_TRUE(servido);
    EXPECT_EQ(servidor.conexoes, 1) << "neither the nested run nor the removed account connected";
    EXPECT_EQ(janela->fechar, (std::vector<bool>{false, true}));
    EXPECT_EQ(janela->Rotulo(), "Erro. Usuário Inválido. 09:30");
    EXPECT_EQ(janela->dica, "Casa: Erro. Usuário Inválido.");
}

TEST_F(VerificacaoEmail, CueSoComMensagensSomLigadoEDispositivo) {
    const struct {
        std::uint8_t somLigado;
        bool dispositivo;
        const char* stat;
        bool toca;
    } casos[] = {
        {1, true, "+OK 1 1", true},
        {0, true, "+OK 1 1", false},
        {1, false, "+OK 1 1", false},
        {1, true, "+OK 0 0", false},
    };
    for (const auto& c : casos) {
        NovoCaso();
        SomLigado = c.somLigado;
        janela->dispositivoSom = c.dispositivo;
        servidor.caixas["ana"].stat = c.stat;
        Contas({"ana"});
        VerificaTodasAsContas();
        EXPECT_EQ(janela->sons.size(), c.toca ? 1u : 0u) << int(c.somLigado) << c.dispositivo << c.stat;
    }

    // Without accounts a run only toggles the close button and resets the indicator.
    NovoCaso();
    ContasEmail = {{"Casa", servidor.Endereco(), "ana", "1"}};
    TemContasEmail = false;
    VerificaTodasAsContas();
    EXPECT_EQ(janela->fechar, (std::vector<bool>{false, true}));
    EXPECT_EQ(janela->figura, FiguraEmail::SemEmail);
    EXPECT_TRUE(janela->rotulos.empty());
    EXPECT_TRUE(janela->sons.empty());
    EXPECT_EQ(servidor.conexoes, 4);
}

} // namespace
