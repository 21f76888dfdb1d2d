#include "mail/sessoes/sessao_imap.h"

#include "mail/dialogo_imap.h"
#include "mail/sessoes/autoridades_tls.h"
#include "mail/sessoes/conecta_servidor.h"
#include "mail/sessoes/espera_resposta.h"

#include <QSslSocket>

#include <cmath>

namespace quelza {
namespace {

// The socket and the bytes read from it but not yet framed, for one account. Neither holds more
// than one response's worth: what the server sends beyond waits in the network.
class SessaoImap {
public:
    SessaoImap(const EnderecoPop3& endereco, AmbienteSessao& ambiente)
        : endereco_(endereco), ambiente_(ambiente) {
        sck.setReadBufferSize(LimiteLinhaPop3);
        QObject::connect(&sck, &QAbstractSocket::errorOccurred, &sck, [this] { terminou_ = true; });
        QObject::connect(&sck, &QAbstractSocket::disconnected, &sck, [this] { terminou_ = true; });
    }
    ~SessaoImap() { sck.abort(); }
    SessaoImap(const SessaoImap&) = delete;
    SessaoImap& operator=(const SessaoImap&) = delete;

    void Conecta() { ConectaServidor(sck, endereco_); }

    void Envia(const std::string& bytes) {
        if (sck.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            throw ErroExecucaoPop3{DicaConexaoInterrompida};
    }

    // LOGOUT is not answered for: it leaves at once and the connection ends.
    void EnviaEFecha(const std::string& bytes) {
        Envia(bytes);
        sck.flush();
        sck.abort();
    }

    // Feeds the dialogue whole responses until it has something to do, or gives its failure when
    // the wait runs out of time, the connection ends or a response passes the limit.
    AcaoImap Aguarda(DialogoImap& dialogo) {
        EsperaResposta espera(sck, ambiente_);
        for (;;) {
            Le();
            std::size_t tamanho = 0;
            switch (AvaliaBufferImap(buffer_, tamanho)) {
            case EstadoBuffer::Linha: {
                const std::string resposta = buffer_.substr(0, tamanho);
                buffer_.erase(0, tamanho);
                AcaoImap acao = dialogo.Recebe(resposta);
                if (acao.Tipo != AcaoImap::Tipo::Aguarda)
                    return acao;
                continue;
            }
            case EstadoBuffer::Excedido:
                return dialogo.SemResposta();
            case EstadoBuffer::Incompleto:
                break;
            }
            if (!espera.Pausa(terminou_))
                return SemResposta(dialogo);
        }
    }

    // STARTTLS answered: anything the server sent in clear after its answer is dropped, the
    // handshake checks the certificate against the host as TLS from the first byte does.
    AcaoImap Cifra(DialogoImap& dialogo) {
        buffer_.clear();
        sck.readAll();
        ConfiaNasAutoridades(sck);
        sck.startClientEncryption();
        EsperaResposta espera(sck, ambiente_);
        while (!sck.isEncrypted()) {
            if (!espera.Pausa(terminou_))
                return SemResposta(dialogo);
        }
        return dialogo.TlsEstabelecido();
    }

private:
    void Le() {
        while (buffer_.size() < LimiteLinhaPop3) {
            char pedaco[16 * 1024];
            const qint64 lidos = sck.read(
                pedaco, static_cast<qint64>(std::min(sizeof pedaco, LimiteLinhaPop3 - buffer_.size())));
            if (lidos <= 0)
                return;
            buffer_.append(pedaco, static_cast<std::size_t>(lidos));
        }
    }

    AcaoImap SemResposta(const DialogoImap& dialogo) const {
        AcaoImap acao = dialogo.SemResposta();
        if (!sck.sslHandshakeErrors().isEmpty())
            acao.Dica = DicaCertificado;
        return acao;
    }

    EnderecoPop3 endereco_;
    AmbienteSessao& ambiente_;
    QSslSocket sck;
    std::string buffer_;
    bool terminou_ = false;
};

} // namespace

std::string VerificaContaIMAP(const EnderecoPop3& endereco, const std::string& usuario,
                              const std::string& senha, AmbienteSessao& ambiente) {
    JanelaEmail* const janela = ambiente.Janela();
    std::int16_t& total = ambiente.TotalDeMensagens();
    const auto HoraAtual = [&] { return HoraMinuto(ambiente.Agora()); };
    SessaoImap sessao(endereco, ambiente);
    DialogoImap dialogo(usuario, senha, endereco.Tls);
    try {
        sessao.Conecta();
        if (janela)
            janela->DefineRótuloEmail("Conectando... ");
        AcaoImap acao = sessao.Aguarda(dialogo);
        for (;;) {
            switch (acao.Tipo) {
            case AcaoImap::Tipo::Envia:
                for (const char* rotulo : acao.Rotulos)
                    if (janela)
                        janela->DefineRótuloEmail(rotulo);
                sessao.Envia(acao.Comando);
                acao = sessao.Aguarda(dialogo);
                break;
            case AcaoImap::Tipo::IniciaTls:
                acao = sessao.Cifra(dialogo);
                break;
            case AcaoImap::Tipo::Conta:
                total = SomaMensagens(total, acao.Contagem);
                if (janela) {
                    janela->DefineRótuloEmail(TextoTotal(total, HoraAtual()));
                    janela->DefineFiguraEmail(total < 1 ? FiguraEmail::SemEmail : FiguraEmail::TemEmail);
                }
                sessao.EnviaEFecha(dialogo.Logout());
                return TextoMensagensDaConta(std::llround(acao.Contagem));
            case AcaoImap::Tipo::Falha:
                if (janela)
                    janela->DefineRótuloEmail(acao.Falha + HoraAtual());
                return acao.Dica;
            case AcaoImap::Tipo::ErroExecucao:
            case AcaoImap::Tipo::Aguarda:
                throw ErroExecucaoPop3{acao.Dica};
            }
        }
    } catch (const ErroExecucaoPop3& erro) {
        if (janela)
            janela->DefineRótuloEmail(TextoErroExecucao(total, HoraAtual()));
        return erro.Dica;
    }
}

} // namespace quelza
