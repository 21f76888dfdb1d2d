#include "mail/sessoes/sessao_pop3.h"

#include "mail/dialogo_pop3.h"
#include "mail/servidor_pop3.h"
#include "mail/sessoes/conecta_servidor.h"
#include "mail/sessoes/espera_resposta.h"
#include "platform/texto/cp1252.h"

#include <QSslSocket>

#include <cmath>

namespace quelza {
namespace {

// The socket `sck` and its reply buffer `Resposta`, for one account: a new account never sees what
// the last one left behind.
class SessaoPop3 {
public:
    explicit SessaoPop3(AmbienteSessao& ambiente) : ambiente_(ambiente) {
        // Qt's own buffer is bounded as ours is, whatever a server sends.
        sck.setReadBufferSize(LimiteLinhaPop3);
        QObject::connect(&sck, &QIODevice::readyRead, &sck, [this] { sck_DataArrival(); });
        QObject::connect(&sck, &QAbstractSocket::errorOccurred, &sck, [this] { terminou_ = true; });
        QObject::connect(&sck, &QAbstractSocket::disconnected, &sck, [this] { terminou_ = true; });
    }
    ~SessaoPop3() { sck.abort(); }
    SessaoPop3(const SessaoPop3&) = delete;
    SessaoPop3& operator=(const SessaoPop3&) = delete;

    void Conecta(const EnderecoPop3& endereco) { ConectaServidor(sck, endereco); }

    // A reply is what arrives after its command: anything still unread before it is dropped.
    void Envia(const std::string& linha) {
        Resposta.clear();
        const std::string bytes = plataforma::ParaCp1252(linha);
        if (sck.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            throw ErroExecucaoPop3{DicaConexaoInterrompida};
    }

    // QUIT is not answered for: it leaves at once and the connection ends.
    void EnviaEFecha(const std::string& linha) {
        Envia(linha);
        sck.flush();
        sck.abort();
    }

    bool AguardaRespostaPOP3(const std::string& CódigoResposta, std::string& sckResposta) {
        EsperaResposta espera(sck, ambiente_);
        for (;;) {
            switch (AvaliaBuffer(Resposta)) {
            case EstadoBuffer::Linha:
                sckResposta = TiraLinha(Resposta);
                Resposta.clear();
                return RespostaAceita(sckResposta, CódigoResposta);
            case EstadoBuffer::Excedido:
                return false;
            case EstadoBuffer::Incompleto:
                break;
            }
            // A refused, failed or closed connection will bring no reply: no use sitting out the time.
            if (!espera.Pausa(terminou_))
                return false;
        }
    }

    bool CertificadoRecusado() const { return !sck.sslHandshakeErrors().isEmpty(); }

private:
    void sck_DataArrival() {
        char pedaco[16 * 1024];
        for (;;) {
            const qint64 lidos = sck.read(pedaco, sizeof pedaco);
            if (lidos <= 0)
                return;
            AcrescentaResposta(Resposta, std::string_view(pedaco, static_cast<std::size_t>(lidos)));
        }
    }

    AmbienteSessao& ambiente_;
    QSslSocket sck;
    std::string Resposta;
    bool terminou_ = false;
};

} // namespace

std::string VerificaContaPOP3(const std::string& servidor, const std::string& usuario,
                              const std::string& senha, AmbienteSessao& ambiente) {
    JanelaEmail* const janela = ambiente.Janela();
    std::int16_t& total = ambiente.TotalDeMensagens();
    const auto HoraAtual = [&] { return HoraMinuto(ambiente.Agora()); };
    SessaoPop3 sessao(ambiente);
    try {
        const auto endereco = InterpretaServidorPop3(servidor);
        if (!endereco)
            throw ErroExecucaoPop3{DicaServidorInvalido};
        const auto passos = PassosPop3(usuario, senha);
        std::string resposta;
        for (int passo = PassoSaudacao; passo <= PassoEstado; ++passo) {
            const PassoPop3& p = passos[passo];
            if (passo == PassoSaudacao) {
                sessao.Conecta(*endereco);
                if (janela)
                    janela->DefineRótuloEmail(p.Rotulo);
            } else {
                if (p.Rotulo && janela)
                    janela->DefineRótuloEmail(p.Rotulo);
                if (passo == PassoSenha)
                    ambiente.DoEvents();
                sessao.Envia(p.Comando);
                if (passo >= PassoSenha)
                    ambiente.DoEvents();
            }
            if (!sessao.AguardaRespostaPOP3(CodigoAceito, resposta)) {
                if (janela)
                    janela->DefineRótuloEmail(p.Falha + HoraAtual());
                return passo == PassoSaudacao && sessao.CertificadoRecusado() ? DicaCertificado
                                                                              : DicaDaFalha(p.Falha);
            }
        }
        const double contagem = ContagemStat(resposta);
        total = SomaMensagens(total, contagem);
        if (janela) {
            janela->DefineRótuloEmail(TextoTotal(total, HoraAtual()));
            janela->DefineFiguraEmail(total < 1 ? FiguraEmail::SemEmail : FiguraEmail::TemEmail);
        }
        sessao.EnviaEFecha(ComandoQuit);
        return TextoMensagensDaConta(std::llround(contagem));
    } catch (const ErroExecucaoPop3& erro) {
        if (janela)
            janela->DefineRótuloEmail(TextoErroExecucao(total, HoraAtual()));
        return erro.Dica;
    }
}

} // namespace quelza
