#include "mail/sessao_pop3.h"

#include "mail/conecta_servidor.h"
#include "mail/dialogo_pop3.h"
#include "mail/espera_resposta.h"
#include "mail/janela_email.h"
#include "mail/servidor_pop3.h"
#include "platform/interface/qt/eventos.h"
#include "platform/nucleo/relogio.h"
#include "platform/texto/cp1252.h"
#include "settings/quelza.h"

#include <QSslSocket>

#include <cmath>

namespace quelza {
namespace {

// The socket `sck` and its reply buffer `Resposta`, for one account: a new account never sees what
// the last one left behind.
class SessaoPop3 {
public:
    SessaoPop3() {
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
            throw ErroExecucaoPop3{"Erro. Conexão Interrompida."};
    }

    // QUIT is not answered for: it leaves at once and the connection ends.
    void EnviaEFecha(const std::string& linha) {
        Envia(linha);
        sck.flush();
        sck.abort();
    }

    bool AguardaRespostaPOP3(const std::string& CódigoResposta, std::string& sckResposta) {
        EsperaResposta espera(sck);
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

    QSslSocket sck;
    std::string Resposta;
    bool terminou_ = false;
};

std::string HoraAtual() { return HoraMinuto(plataforma::Agora()); }

} // namespace

std::string VerificaContaPOP3() {
    const std::shared_ptr<JanelaEmail> janela = JanelaDoEmail();
    SessaoPop3 sessao;
    try {
        const auto endereco = InterpretaServidorPop3(ServidorPop3);
        if (!endereco)
            throw ErroExecucaoPop3{DicaServidorInvalido};
        const auto passos = PassosPop3(UsuárioPop3, SenhaPop3);
        std::string resposta;
        for (int passo = PassoSaudacao; passo <= PassoEstado; ++passo) {
            const PassoPop3& p = passos[passo];
            if (passo == PassoSaudacao) {
                sessao.Conecta(*endereco);
                janela->DefineRótuloEmail(p.Rotulo);
            } else {
                if (p.Rotulo)
                    janela->DefineRótuloEmail(p.Rotulo);
                if (passo == PassoSenha)
                    plataforma::DoEvents();
                sessao.Envia(p.Comando);
                if (passo >= PassoSenha)
                    plataforma::DoEvents();
            }
            if (!sessao.AguardaRespostaPOP3(CodigoAceito, resposta)) {
                janela->DefineRótuloEmail(p.Falha + HoraAtual());
                return passo == PassoSaudacao && sessao.CertificadoRecusado() ? DicaCertificado
                                                                              : DicaDaFalha(p.Falha);
            }
        }
        const double contagem = ContagemStat(resposta);
        TotalDeMensagens = SomaMensagens(TotalDeMensagens, contagem);
        janela->DefineRótuloEmail(TextoTotal(TotalDeMensagens, HoraAtual()));
        janela->DefineFiguraEmail(TotalDeMensagens < 1 ? FiguraEmail::SemEmail : FiguraEmail::TemEmail);
        sessao.EnviaEFecha(ComandoQuit);
        return TextoMensagensDaConta(std::llround(contagem));
    } catch (const ErroExecucaoPop3& erro) {
        janela->DefineRótuloEmail(TextoErroExecucao(TotalDeMensagens, HoraAtual()));
        return erro.Dica;
    }
}

} // namespace quelza
