// The run over the accounts against a scripted POP3 server on a loopback port: what the window
// shows, the lines the server receives, and how each wait ends. Time moves only on the test's clock.
#include "mail/sessoes_email.h"
#include "mail/verificacao_contas.h"
#include "platform/nucleo/escolha_backend.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/diagnosticos.h"
#include "support/espera_no_relogio.h"
#include "support/janela_email_registrada.h"
#include "support/servidor_pop3_roteirizado.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

using namespace quelza;
using S = ServidorPop3Roteirizado;
using Resposta = S::Resposta;
using Linhas = std::vector<std::string>;

// The labels of the steps, in their order.
const Linhas PassosMostrados = {"Conectando... ", "Verificando Usuário...", "Autenticando..."};

class VerificacaoEmail : public AmbienteTeste {
protected:
    VerificacaoEmail() {
        relogio->Ajusta(9, 30);
        plataforma::DefineBackend<plataforma::Espera>(espera);
        plataforma::JanelaRegistrada<JanelaEmail>::Registra(janela.get());
        TempoDeEspera = 1;
        SomLigado = 1;
        SomTemEmail = "tememail.wav";
        servidor.caixas["ana"] = {"1", "+OK 3 1234", {}};
        servidor.caixas["bia"] = {"2", "+OK 0 0", {}};
    }
    ~VerificacaoEmail() override {
        plataforma::DefineBackend<plataforma::Espera>(nullptr);
        plataforma::JanelaRegistrada<JanelaEmail>::Registra(nullptr);
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
        plataforma::JanelaRegistrada<JanelaEmail>::Registra(janela.get());
        servidor.recebidas.clear();
        servidor.saudacao = S::Linha("+OK pronto");
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

TEST_F(VerificacaoEmail, ContasContadasTextoFiguraECue) {
    using namespace std::chrono_literals;
    const std::optional<Linhas> completo = Linhas{"USER ana\r\n", "PASS 1\r\n", "STAT \r\n", "QUIT\r\n"};
    const std::optional<Linhas> semQuit = Linhas{"USER ana\r\n", "PASS 1\r\n", "STAT \r\n"};
    const auto semEmail = FiguraEmail::SemEmail, temEmail = FiguraEmail::TemEmail;
    const struct {
        Resposta statAna;
        std::optional<Resposta> statBia; // a second account
        const char* rotulo;
        FiguraEmail figura;
        std::optional<Linhas> linhas;
        const char* dica;
    } casos[] = {
        {S::Linha("+OK 0 0"), std::nullopt, "0 mensagens às 09:30", semEmail, completo, "Casa: 0 mensagens"},
        {S::Linha("+OK 1 320"), std::nullopt, "1 mensagem às 09:30", temEmail, completo, "Casa: 1 mensagem"},
        {Resposta{{"+O", "K 3 ", "10\r\n"}, false, 20ms}, std::nullopt, "3 mensagens às 09:30", temEmail,
         completo, "Casa: 3 mensagens"},
        {S::Linha("+OK 3"), std::nullopt, "0 mensagens.", semEmail, semQuit,
         "Casa: Erro. Resposta Inválida."},
        {S::Linha("+OK 40000 1"), std::nullopt, "0 mensagens.", semEmail, semQuit,
         "Casa: Erro. Total de Mensagens Excessivo."},
        {S::Linha("+OK 3 10"), S::Linha("-ERR"), "Erro. Sem Resposta. 09:30", temEmail, std::nullopt,
         "Casa: 3 mensagens\nTrabalho: Erro. Sem Resposta."},
        {S::Linha("+OK 3 10"), S::Linha("+OK 4"), "3 mensagens. Erro às 09:30", temEmail, std::nullopt,
         "Casa: 3 mensagens\nTrabalho: Erro. Resposta Inválida."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.dica);
        NovoCaso();
        servidor.caixas["ana"].roteiro["STAT"] = c.statAna;
        if (c.statBia)
            servidor.caixas["bia"].roteiro["STAT"] = *c.statBia;
        Contas(c.statBia ? std::vector<std::string>{"ana", "bia"} : std::vector<std::string>{"ana"});
        VerificaTodasAsContas();
        Escoa();
        EXPECT_EQ(janela->Rotulo(), c.rotulo);
        EXPECT_EQ(janela->figura, c.figura);
        EXPECT_EQ(janela->sons, c.figura == temEmail ? Linhas{"tememail.wav"} : Linhas{});
        if (c.linhas) {
            EXPECT_EQ(servidor.recebidas, *c.linhas);
        }
        EXPECT_EQ(janela->dica, c.dica);
        EXPECT_EQ(janela->fechar, (std::vector<bool>{false, true}));
        EXPECT_EQ(espera->pausasVazias, 0);
    }
}

// Each step's failure: its text and the time, no QUIT, and a wait that ends at once unless the
// server says nothing (then it lasts Tempo de Espera, 1 s, in 200 ms pauses). Lines a server sends
// ahead of a command are not taken as its reply.
TEST_F(VerificacaoEmail, FalhaDeCadaPasso) {
    const char* semResposta = "Erro. Sem Resposta do Servidor. 09:30";
    const char* usuarioInvalido = "Erro. Usuário Inválido. 09:30";
    const Linhas user = {"USER ana\r\n"}, pass = {"USER ana\r\n", "PASS 1\r\n"},
                 stat = {"USER ana\r\n", "PASS 1\r\n", "STAT \r\n"};
    const struct {
        std::optional<Resposta> saudacao;
        const char* comando;
        Resposta resposta;
        const char* rotulo;
        Linhas linhas; // the steps shown before the failure are as many as the lines sent, and one
        int pausasVazias;
    } casos[] = {
        {S::Linha("-ERR ocupado"), "", {}, semResposta, {}, 0},
        {S::Silencio(), "", {}, semResposta, {}, 5},
        {{}, "USER", S::Linha("-ERR quem?"), usuarioInvalido, user, 0},
        {{}, "USER", S::Fecha(), usuarioInvalido, user, 0},
        {{}, "USER", {{std::string(1 << 20, 'x')}}, usuarioInvalido, user, 0},
        {Resposta{{"+OK oi\r\n+OK\r\n+OK\r\n+OK 5 0\r\n"}}, "USER", S::Silencio(), usuarioInvalido, user, 5},
        {{}, "PASS", S::Linha("-ERR senha"), "Erro. Senha Inválida. 09:30", pass, 0},
        {{}, "STAT", S::Linha("-ERR"), "Erro. Sem Resposta. 09:30", stat, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.comando) + " -> " + c.rotulo);
        NovoCaso();
        if (c.saudacao)
            servidor.saudacao = *c.saudacao;
        servidor.caixas["ana"].roteiro.clear();
        if (*c.comando)
            servidor.caixas["ana"].roteiro[c.comando] = c.resposta;
        Contas({"ana"});
        VerificaTodasAsContas();
        Escoa();
        Linhas rotulos(PassosMostrados.begin(),
                       PassosMostrados.begin() +
                           static_cast<std::ptrdiff_t>(std::min<std::size_t>(c.linhas.size() + 1, 3)));
        rotulos.push_back(c.rotulo);
        EXPECT_EQ(janela->rotulos, rotulos);
        EXPECT_EQ(servidor.recebidas, c.linhas);
        EXPECT_EQ(espera->pausasVazias, c.pausasVazias);
        EXPECT_EQ(janela->figura, FiguraEmail::SemEmail);
        EXPECT_TRUE(janela->sons.empty());
    }
}

// The time-out counts on a monotonic clock: the label's time wraps at midnight, the wait does not.
// It is tested against the time read before the pass's pause: with 0, a reply that arrives within
// the first pause is taken; a negative time takes none. IMAP waits as POP3 does.
TEST_F(VerificacaoEmail, TempoDeEspera) {
    const std::string login = "a1 LOGIN \"ana\" \"1\"";
    servidor.porLinha["a2 STATUS INBOX (UNSEEN)"] = Resposta{{"* STATUS INBOX (UNSEEN 3)\r\na2 OK\r\n"}};
    const struct {
        std::int16_t tempo;
        int horas, minutos, segundos;
        bool silencio;
        const char* rotulo;
        int pausasVazias;
    } casos[] = {
        {0, 9, 30, 0, false, "3 mensagens às 09:30", 0},
        {0, 9, 30, 0, true, "Erro. Usuário Inválido. 09:30", 1},
        {2, 23, 59, 59, true, "Erro. Usuário Inválido. 00:00", 10},
        {-1, 9, 30, 0, false, "Erro. Sem Resposta do Servidor. 09:30", 0},
    };
    for (const bool imap : {false, true}) {
        for (const auto& c : casos) {
            SCOPED_TRACE(testing::Message() << (imap ? "IMAP " : "POP3 ") << c.tempo << " " << c.rotulo);
            NovoCaso();
            TempoDeEspera = c.tempo;
            relogio->Ajusta(c.horas, c.minutos, c.segundos);
            servidor.caixas["ana"].roteiro.clear();
            if (imap)
                servidor.saudacao = S::Linha("* OK [CAPABILITY IMAP4rev1] pronto");
            servidor.porLinha[login] = c.silencio ? S::Silencio() : S::Linha("a1 OK");
            if (c.silencio)
                servidor.caixas["ana"].roteiro["USER"] = S::Silencio();
            Contas({"ana"});
            if (imap)
                ContasEmail[0].Pop3 = "imap://" + servidor.Endereco();
            VerificaTodasAsContas();
            std::string rotulo = c.rotulo;
            if (imap && c.silencio) // IMAP's LOGIN carries the password too
                rotulo.replace(0, std::string("Erro. Usuário Inválido.").size(), "Erro. Senha Inválida.");
            EXPECT_EQ(janela->Rotulo(), rotulo);
            EXPECT_EQ(espera->pausasVazias, c.pausasVazias);
        }
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
    servidor.caixas["ana"].roteiro["USER"] = S::Silencio();
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

// The cue needs messages, sounds on and a wave device; without accounts a run only toggles the close
// button and resets the indicator.
TEST_F(VerificacaoEmail, CueEContasAusentes) {
    for (const auto& [somLigado, dispositivo] : {std::pair<std::uint8_t, bool>{0, true}, {1, false}}) {
        NovoCaso();
        SomLigado = somLigado;
        janela->dispositivoSom = dispositivo;
        Contas({"ana"});
        VerificaTodasAsContas();
        EXPECT_EQ(janela->Rotulo(), "3 mensagens às 09:30");
        EXPECT_TRUE(janela->sons.empty()) << int(somLigado) << dispositivo;
    }

    NovoCaso();
    TemContasEmail = false;
    VerificaTodasAsContas();
    EXPECT_EQ(janela->fechar, (std::vector<bool>{false, true}));
    EXPECT_EQ(janela->figura, FiguraEmail::SemEmail);
    EXPECT_TRUE(janela->rotulos.empty());
    EXPECT_EQ(servidor.conexoes, 2);
}

// The program's own sessions come from the module of its folder: loaded, they count as the built-in
// ones do; missing, each account ends on the run-time error path without connecting, and one
// diagnostic line says why.
TEST_F(VerificacaoEmail, SessoesDoModulo) {
    Contas({"ana", "bia"});
    plataforma::DefineBackend<SessoesEmail>(SessoesDoModulo(MODULO_EMAIL_CONSTRUIDO));
    VerificaTodasAsContas();
    EXPECT_EQ(janela->Rotulo(), "3 mensagens às 09:30");
    EXPECT_EQ(janela->dica, "Casa: 3 mensagens\nTrabalho: 0 mensagens");
    EXPECT_EQ(servidor.conexoes, 2);

    DiagnosticosGuardados diagnosticos;
    NovoCaso();
    TotalDeMensagens = 7;
    plataforma::DefineBackend<SessoesEmail>(SessoesDoModulo(pastas.Programa() + "/e-telvanor-email.so"));
    for (int execucao = 0; execucao < 2; ++execucao)
        VerificaTodasAsContas();
    EXPECT_EQ(janela->rotulos, Linhas(4, "0 mensagens."));
    EXPECT_EQ(janela->dica, "Casa: Erro. Conexão Interrompida.\nTrabalho: Erro. Conexão Interrompida.");
    EXPECT_EQ(janela->fechar, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(servidor.conexoes, 2);
    const std::string linhas = diagnosticos.Retira();
    EXPECT_EQ(std::count(linhas.begin(), linhas.end(), '\n'), 1) << linhas;
    EXPECT_NE(linhas.find("sem verificação de email: " + pastas.Programa() + "/e-telvanor-email.so"),
              std::string::npos)
        << linhas;
}

} // namespace
