// IMAP accounts against a real server: Dovecot on loopback ports, plain, upgraded with STARTTLS
// and TLS from the first byte, beside POP3 accounts in one run. Servers of their own where a test
// reads the log or needs other settings.
#include "mail/verificacao_contas.h"
#include "settings/quelza.h"
#include "support/suite_dovecot.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace quelza;

std::size_t Ocorrencias(const std::string& texto, const std::string& trecho) {
    std::size_t vezes = 0;
    for (auto pos = texto.find(trecho); pos != std::string::npos; pos = texto.find(trecho, pos + 1))
        ++vezes;
    return vezes;
}

class DovecotImap : public SuiteDovecot {
protected:
    static void SetUpTestSuite() { Inicia({{"ana", "segredo", 3, 2}, {"bia", "outro", 0, 1}}); }

    static std::string Imap(const DovecotLocal& s, const std::string& host) {
        return "imap://" + host + ":" + std::to_string(s.portaImap);
    }
    static std::string Imaps(const DovecotLocal& s) {
        return "imaps://localhost:" + std::to_string(s.portaImaps);
    }

    void Verifica(std::vector<ContaEmail> contas) {
        ContasEmail = std::move(contas);
        TemContasEmail = true;
        VerificaTodasAsContas();
    }
};

// IMAP counts the unseen messages, POP3 all of them; one run adds both into one total.
TEST_F(DovecotImap, ImapEPop3NumaSoExecucao) {
    const DovecotLocal& s = *servidor_;
    Confia(s, s.Certificado());
    Verifica({{"Segura", Imaps(s), "ana", "segredo"},
              {"Elevada", Imap(s, "localhost"), "ana", "segredo"},
              {"Vazia", Imaps(s), "bia", "outro"},
              {"Pop", "127.0.0.1:" + std::to_string(s.portaPlana), "ana", "segredo"},
              {"Errada", Imap(s, "localhost"), "ana", "errada"}});
    EXPECT_EQ(janela->dica,
              "Segura (IMAP): 3 mensagens\nElevada (IMAP): 3 mensagens\nVazia (IMAP): 0 mensagens\n"
              "Pop: 5 mensagens\nErrada (IMAP): Erro. Senha Inválida.");
    EXPECT_EQ(janela->Rotulo(), "Erro. Senha Inválida. 09:30");
    EXPECT_EQ(janela->figura, FiguraEmail::TemEmail);
    EXPECT_EQ(TotalDeMensagens, 11);

    // The first account's steps; a failed login is the run's last, as the server then delays the
    // next logins from this address.
    const std::vector<std::string> passos = {"Conectando... ", "Verificando Usuário...", "Autenticando...",
                                             "3 mensagens às 09:30"};
    EXPECT_EQ(std::vector<std::string>(janela->rotulos.begin(), janela->rotulos.begin() + 4), passos);
}

// Without TLS on offer the login goes in plain text; on the server offering STARTTLS the login
// comes only after the upgrade, as the server's log tells.
TEST_F(DovecotImap, TextoPuroSoSemTlsOferecido) {
    DovecotLocal semTls;
    ASSERT_EQ(semTls.Inicia({{"cris", "segredo", 2, 1}}, {.semTls = true}), "");
    DovecotLocal comTls;
    ASSERT_EQ(comTls.Inicia({{"cris", "segredo", 1}}), "");
    Confia(comTls, comTls.Certificado());
    Verifica({{"Plana", Imap(semTls, "127.0.0.1"), "cris", "segredo"},
              {"Elevada", Imap(comTls, "localhost"), "cris", "segredo"}});
    EXPECT_EQ(janela->dica, "Plana (IMAP): 2 mensagens\nElevada (IMAP): 1 mensagem");
    EXPECT_EQ(espera->pausasVazias, 0)
        << "every wait, the STARTTLS handshake's too, ends as the socket speaks";
    semTls.Para();
    comTls.Para();
    EXPECT_EQ(Ocorrencias(semTls.Log(), "imap-login: Info: Login: user=<cris>"), 1u) << semTls.Log();
    EXPECT_EQ(Ocorrencias(comTls.Log(), "imap-login: Info: Login: user=<cris>"), 1u) << comTls.Log();
    const std::string log = comTls.Log();
    const auto login = log.find("imap-login: Info: Login: user=<cris>");
    ASSERT_NE(login, std::string::npos);
    EXPECT_NE(log.substr(login, log.find('\n', login) - login).find(", TLS"), std::string::npos) << log;
}

// A server that forbids plain logins and offers no TLS never sees the password, nor the user.
TEST_F(DovecotImap, LoginDisabledSemTlsNaoEnviaSenha) {
    DovecotLocal servidor;
    ASSERT_EQ(servidor.Inicia({{"cris", "segredo", 1}}, {.semTls = true, .recusaLoginEmClaro = true}), "");
    Verifica({{"Fechada", Imap(servidor, servidor.ip), "cris", "segredo"}});
    EXPECT_EQ(janela->dica, "Fechada (IMAP): Erro. Login Desabilitado.");
    EXPECT_EQ(janela->Rotulo(), "Erro. Sem Resposta do Servidor. 09:30");
    EXPECT_EQ(TotalDeMensagens, 0);
    servidor.Para();
    EXPECT_EQ(servidor.Log().find("cris"), std::string::npos) << servidor.Log();
}

// A certificate no trusted authority signed ends the account before LOGIN, on STARTTLS as on TLS
// from the first byte.
TEST_F(DovecotImap, CertificadoNaoConfiavelRecusadoAntesDoLogin) {
    DovecotLocal servidor;
    ASSERT_EQ(servidor.Inicia({{"cris", "segredo", 1}}), "");
    Confia(servidor, servidor.OutroCertificado());
    Verifica({{"Elevada", Imap(servidor, "localhost"), "cris", "segredo"},
              {"Segura", Imaps(servidor), "cris", "segredo"}});
    EXPECT_EQ(janela->dica,
              "Elevada (IMAP): certificado não confiável\nSegura (IMAP): certificado não confiável");
    EXPECT_EQ(janela->Rotulo(), "Erro. Sem Resposta do Servidor. 09:30");
    servidor.Para();
    EXPECT_EQ(servidor.Log().find("user=<cris>"), std::string::npos) << servidor.Log();
}

} // namespace
