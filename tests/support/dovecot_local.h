// A real POP3 and IMAP server for tests and benchmarks: Debian's Dovecot, run as a plain process
// from a temporary folder with its own users and maildirs, listening on loopback ports picked here,
// plain and TLS for each protocol with a self-signed certificate for "localhost" (plain IMAP offers
// STARTTLS). Stopped by its pid.
#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

struct OpcoesDovecot {
    // No TLS at all: no TLS ports, no STARTTLS.
    bool semTls = false;
    // Plain logins refused (LOGINDISABLED), on 127.0.0.2 so that the client's 127.0.0.1 is
    // not the server's own address, which the server would take as safe.
    bool recusaLoginEmClaro = false;
};

class DovecotLocal {
public:
    struct Usuario {
        std::string nome;
        std::string senha;
        int mensagens; // unseen
        int lidas = 0; // flagged seen: POP3 counts them, IMAP's unseen count does not
    };

    // The executable, or empty when Dovecot is not installed.
    static std::string Executavel();

    DovecotLocal() = default;
    ~DovecotLocal();
    DovecotLocal(const DovecotLocal&) = delete;
    DovecotLocal& operator=(const DovecotLocal&) = delete;

    // Empty when the server answers on all its ports; otherwise what went wrong.
    std::string Inicia(const std::vector<Usuario>& usuarios, OpcoesDovecot opcoes = {});
    void Para();

    std::uint16_t portaPlana = 0;
    std::uint16_t portaTls = 0;
    std::uint16_t portaImap = 0;
    std::uint16_t portaImaps = 0;
    // The address listened on.
    std::string ip = "127.0.0.1";
    // The server's certificate, to trust as an authority; and another one that did not sign it.
    std::string Certificado() const;
    std::string OutroCertificado() const;
    // An empty folder, for SSL_CERT_DIR when only SSL_CERT_FILE should count.
    std::string PastaVazia() const;
    // The server's log: complete once it has been stopped.
    std::string Log() const;

private:
    std::string Caminho(const char* nome) const;

    QTemporaryDir pasta_;
    QProcess processo_;
};
