// A real POP3 server for tests and benchmarks: Debian's Dovecot, run as a plain process from a
// temporary folder with its own users and maildirs, listening on loopback ports picked here, plain
// on one and TLS on the other with a self-signed certificate for "localhost". Stopped by its pid.
#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

class DovecotLocal {
public:
    struct Usuario {
        std::string nome;
        std::string senha;
        int mensagens;
    };

    // The executable, or empty when Dovecot is not installed.
    static std::string Executavel();

    DovecotLocal() = default;
    ~DovecotLocal();
    DovecotLocal(const DovecotLocal&) = delete;
    DovecotLocal& operator=(const DovecotLocal&) = delete;

    // Empty when the server answers on both ports; otherwise what went wrong.
    std::string Inicia(const std::vector<Usuario>& usuarios);
    void Para();

    std::uint16_t portaPlana = 0;
    std::uint16_t portaTls = 0;
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
