// The ground of the mail tests against a real Dovecot: one server for the whole suite, started with
// the suite's users; the test clock's waits and a recording mail window for each test; the trust of
// one certificate alone.
#pragma once

#include "mail/janela_email.h"
#include "platform/nucleo/escolha_backend.h"
#include "settings/quelza.h"
#include "support/ambiente.h"
#include "support/dovecot_local.h"
#include "support/espera_no_relogio.h"
#include "support/janela_email_registrada.h"

#include <QByteArray>

#include <memory>
#include <string>
#include <vector>

class SuiteDovecot : public AmbienteTeste {
protected:
    // For the suite's SetUpTestSuite.
    static void Inicia(const std::vector<DovecotLocal::Usuario>& usuarios) {
        servidor_ = std::make_unique<DovecotLocal>();
        erro_ = servidor_->Inicia(usuarios);
    }
    static void TearDownTestSuite() { servidor_.reset(); }

    SuiteDovecot() {
        relogio->Ajusta(9, 30);
        plataforma::DefineBackend<plataforma::Espera>(espera);
        plataforma::JanelaRegistrada<quelza::JanelaEmail>::Registra(janela.get());
        quelza::TempoDeEspera = 10;
    }
    ~SuiteDovecot() override {
        plataforma::DefineBackend<plataforma::Espera>(nullptr);
        plataforma::JanelaRegistrada<quelza::JanelaEmail>::Registra(nullptr);
        qunsetenv("SSL_CERT_FILE");
        qunsetenv("SSL_CERT_DIR");
    }

    void SetUp() override { ASSERT_EQ(erro_, ""); }

    // Only this certificate is trusted: the system's store is left out.
    static void Confia(const DovecotLocal& servidor, const std::string& certificado) {
        qputenv("SSL_CERT_FILE", QByteArray::fromStdString(certificado));
        qputenv("SSL_CERT_DIR", QByteArray::fromStdString(servidor.PastaVazia()));
    }

    std::shared_ptr<JanelaEmailRegistrada> janela = std::make_shared<JanelaEmailRegistrada>();
    std::shared_ptr<EsperaNoRelogio> espera =
        std::make_shared<EsperaNoRelogio>(relogio, std::chrono::milliseconds(2000));
    static inline std::unique_ptr<DovecotLocal> servidor_;
    static inline std::string erro_;
};
