// The mail check against a real server: Dovecot on loopback ports, plain and TLS. The server is
// started once for these tests, as a plain process from a temporary folder.
#include "mail/verificacao_contas.h"
#include "settings/quelza.h"
#include "support/suite_dovecot.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace quelza;

class Dovecot : public SuiteDovecot {
protected:
    static void SetUpTestSuite() { Inicia({{"ana", "segredo", 3}, {"bia", "outro", 0}}); }

    std::string Plano() const { return "127.0.0.1:" + std::to_string(servidor_->portaPlana); }
    std::string Tls() const { return "pop3s://localhost:" + std::to_string(servidor_->portaTls); }
};

TEST_F(Dovecot, ContaEmTextoPuroEEmTls) {
    Confia(*servidor_, servidor_->Certificado());
    ContasEmail = {{"Casa", Plano(), "ana", "segredo"},
                   {"Segura", Tls(), "ana", "segredo"},
                   {"Vazia", Tls(), "bia", "outro"},
                   {"Errada", Plano(), "ana", "errada"}};
    TemContasEmail = true;
    VerificaTodasAsContas();
    EXPECT_EQ(janela->dica, "Casa: 3 mensagens\nSegura: 3 mensagens\nVazia: 0 mensagens\n"
                            "Errada: Erro. Senha Inválida.");
    EXPECT_EQ(janela->Rotulo(), "Erro. Senha Inválida. 09:30");
    EXPECT_EQ(janela->figura, FiguraEmail::TemEmail);
    EXPECT_EQ(TotalDeMensagens, 6);
}

// A certificate that no trusted authority signed, or that names another host, ends the account
// before the first line is sent: the server never sees a user, let alone a password. This server
// is its own, so that its log holds nothing else.
TEST_F(Dovecot, CertificadoNaoConfiavelRecusadoAntesDeQualquerLinha) {
    DovecotLocal servidor;
    ASSERT_EQ(servidor.Inicia({{"cris", "segredo", 1}}), "");
    const struct {
        std::string autoridade;
        const char* host;
    } casos[] = {
        {servidor.OutroCertificado(), "localhost"},
        {servidor.Certificado(), "127.0.0.1"},
    };
    for (const auto& c : casos) {
        Confia(*servidor_, c.autoridade);
        ContasEmail = {{"Segura", std::string("pop3s://") + c.host + ":" + std::to_string(servidor.portaTls),
                        "cris", "segredo"}};
        TemContasEmail = true;
        VerificaTodasAsContas();
        EXPECT_EQ(janela->dica, "Segura: certificado não confiável") << c.host;
        EXPECT_EQ(janela->Rotulo(), "Erro. Sem Resposta do Servidor. 09:30") << c.host;
    }
    servidor.Para();
    const std::string log = servidor.Log();
    std::size_t naNegociacao = 0;
    for (auto pos = log.find("TLS handshaking"); pos != std::string::npos;
         pos = log.find("TLS handshaking", pos + 1))
        ++naNegociacao;
    EXPECT_EQ(naNegociacao, 4u) << "the start-up probes of the two TLS ports and the two refused checks\n"
                                << log;
    EXPECT_EQ(log.find("user=<cris>"), std::string::npos) << log;
}

} // namespace
