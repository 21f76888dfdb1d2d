// The pure parts of the IMAP dialogue: framing of responses with literals at the size bound, the
// strings LOGIN sends, and the dialogue's steps over whole responses, told as a transcript.
#include "mail/dialogo_imap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace quelza;

TEST(DialogoImap, EnquadramentoComLiterais) {
    const std::string cheia(LimiteLinhaPop3 - 2, 'x');
    const std::string alem(LimiteLinhaPop3, 'y');
    const struct {
        std::string buffer;
        EstadoBuffer estado;
        std::size_t tamanho;
    } casos[] = {
        {"", EstadoBuffer::Incompleto, 0},
        {"* OK pronto", EstadoBuffer::Incompleto, 0},
        {"* OK\r\n* 3 EXISTS\r\n", EstadoBuffer::Linha, 6},
        {"* STATUS {5}\r\nINB", EstadoBuffer::Incompleto, 0},
        {"* STATUS {5}\r\nINBOX (UNSEEN 2)", EstadoBuffer::Incompleto, 0},
        {"* STATUS {5}\r\nINBOX (UNSEEN 2)\r\na1 OK\r\n", EstadoBuffer::Linha, 32},
        // A literal holds CR LF as any other byte; a line may announce another literal after one.
        {"* X {4}\r\na\r\nb rest {2+}\r\n\r\n\r\n", EstadoBuffer::Linha, 29},
        {"* X {}\r\n", EstadoBuffer::Linha, 8},
        {cheia + "\r\n", EstadoBuffer::Linha, LimiteLinhaPop3},
        {cheia + "x\r", EstadoBuffer::Excedido, 0},
        {"* X {99999999999}\r\n", EstadoBuffer::Linha, 19}, // eleven digits: not a literal
        {"* X {9999999999}\r\n", EstadoBuffer::Excedido, 0},
        {"* X {65536}\r\n", EstadoBuffer::Excedido, 0},
        {"* X {30}\r\n" + alem, EstadoBuffer::Excedido, 0},
    };
    for (const auto& c : casos) {
        std::size_t tamanho = 0;
        EXPECT_EQ(AvaliaBufferImap(c.buffer, tamanho), c.estado) << c.buffer.substr(0, 24);
        if (c.estado == EstadoBuffer::Linha) {
            EXPECT_EQ(tamanho, c.tamanho) << c.buffer.substr(0, 24);
        }
    }
}

TEST(DialogoImap, CadeiasDoLogin) {
    const std::string longa(1001, 'a');
    const struct {
        std::string texto;
        bool semEspera;
        std::vector<std::string> partes;
    } casos[] = {
        {"ana", false, {"\"ana\""}},
        {"", false, {"\"\""}},
        {"a\"b\\c", false, {"\"a\\\"b\\\\c\""}},
        {"olá", false, {"{4}\r\n", "olá"}}, // eight-bit text only as a literal
        {"a\r\nb", false, {"{4}\r\n", "a\r\nb"}},
        {std::string("a\0b", 3), true, {std::string("{3+}\r\na\0b", 9)}},
        {longa, false, {"{1001}\r\n", longa}},
        {std::string(1000, 'a'), false, {"\"" + std::string(1000, 'a') + "\""}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CadeiaImap(c.texto, c.semEspera), c.partes) << c.texto.substr(0, 10);
}

// Feeds the responses in turn ("TLS" for a finished handshake) and writes what each one asks for.
std::string Transcricao(const std::string& senha, bool tls, const std::vector<std::string>& respostas) {
    DialogoImap dialogo("ana", senha, tls);
    std::string texto;
    for (const std::string& resposta : respostas) {
        const AcaoImap acao =
            resposta == "TLS" ? dialogo.TlsEstabelecido() : dialogo.Recebe(resposta + "\r\n");
        switch (acao.Tipo) {
        case AcaoImap::Tipo::Aguarda:
            continue;
        case AcaoImap::Tipo::Envia:
            for (const char* rotulo : acao.Rotulos)
                texto += std::string("[") + rotulo + "]";
            texto += acao.Comando;
            break;
        case AcaoImap::Tipo::IniciaTls:
            texto += "<tls>";
            break;
        case AcaoImap::Tipo::Conta:
            texto += "=" + std::to_string(static_cast<int>(acao.Contagem));
            break;
        case AcaoImap::Tipo::Falha:
            texto += std::string("!") + acao.Falha + "|" + acao.Dica;
            break;
        case AcaoImap::Tipo::ErroExecucao:
            texto += "?" + acao.Dica;
            break;
        }
        texto += ";";
    }
    return texto;
}

TEST(DialogoImap, PassosETagsDasRespostas) {
    const std::string ok = "* OK [CAPABILITY IMAP4rev1]";
    const std::string rotulos = "[Verificando Usuário...][Autenticando...]";
    const std::string pedido = rotulos + "a1 LOGIN \"ana\" ";
    const std::string login = pedido + "\"1\"\r\n;";
    const std::string estado = "a2 STATUS INBOX (UNSEEN)\r\n;";
    const char* semServidor = "!Erro. Sem Resposta do Servidor. |Erro. Sem Resposta do Servidor.;";
    const char* senha = "!Erro. Senha Inválida. |Erro. Senha Inválida.;";
    const char* semResposta = "!Erro. Sem Resposta. |Erro. Sem Resposta.;";
    const char* invalida = "?Erro. Resposta Inválida.;";
    const struct {
        std::string senha;
        bool tls;
        std::vector<std::string> respostas;
        std::string esperado;
    } casos[] = {
        // Capabilities in the greeting; untagged lines collected until the tag's OK.
        {"1",
         true,
         {"* OK [CAPABILITY IMAP4rev1] pronto", "a1 OK", "* STATUS INBOX (MESSAGES 9 UNSEEN 4)", "* 3 EXISTS",
          "a2 OK feito"},
         login + estado + "=4;"},
        {"1",
         true,
         {"* ok [capability imap4rev1]", "a1 ok", "* status \"INBOX\" (UNSEEN 0)", "a2 OK"},
         login + estado + "=0;"},
        // STARTTLS when offered, and capabilities asked again inside TLS.
        {"1",
         false,
         {"* OK", "* CAPABILITY IMAP4rev1 STARTTLS LOGINDISABLED", "a1 OK", "a2 OK", "TLS",
          "* CAPABILITY IMAP4rev1", "a3 OK"},
         "a1 CAPABILITY\r\n;a2 STARTTLS\r\n;<tls>;a3 CAPABILITY\r\n;" + rotulos +
             "a4 LOGIN \"ana\" \"1\"\r\n;"},
        // LOGINDISABLED with nothing to make it safer: the password is never sent.
        {"1",
         false,
         {"* OK [CAPABILITY IMAP4rev1 LOGINDISABLED]"},
         "!Erro. Sem Resposta do Servidor. |Erro. Login Desabilitado.;"},
        // A literal waits for the server's go-ahead, unless it announces LITERAL+.
        {"a\nb", true, {ok, "+ vai", "a1 OK"}, pedido + "{3}\r\n;a\nb\r\n;" + estado},
        {"a\nb", true, {"* OK [CAPABILITY IMAP4rev1 LITERAL+]"}, pedido + "{3+}\r\na\nb\r\n;"},
        {"a\nb", true, {ok, "a1 OK"}, pedido + "{3}\r\n;" + std::string(senha)},
        // Tags are the client's own, compared exactly.
        {"1", true, {ok, "A1 OK"}, login + senha},
        // Refusals, foreign tags, garbage and farewells end the account with the step's text.
        {"1", true, {"* BYE cheio"}, semServidor},
        {"1", true, {"* PREAUTH"}, semServidor},
        {"1", true, {"* OK", "a1 BAD"}, "a1 CAPABILITY\r\n;" + std::string(semServidor)},
        {"1", true, {ok, "a1 NO [AUTHENTICATIONFAILED] não"}, login + senha},
        {"1", true, {ok, "a9 OK"}, login + senha},
        {"1", true, {ok, "+ vai"}, login + senha},
        {"1", true, {ok, "a1 OK", "a2 BAD"}, login + estado + semResposta},
        {"1", true, {ok, "a1 OK", "\x01\xfe lixo"}, login + estado + semResposta},
        {"1", true, {ok, "a1 OK", "* BYE"}, login + estado + semResposta},
        // A count that cannot be read, or another mailbox's, is no count.
        {"1", true, {ok, "a1 OK", "* STATUS INBOX (UNSEEN x)", "a2 OK"}, login + estado + invalida},
        {"1", true, {ok, "a1 OK", "* STATUS Lixo (UNSEEN 3)", "a2 OK"}, login + estado + invalida},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Transcricao(c.senha, c.tls, c.respostas), c.esperado) << c.respostas.front();
}

} // namespace
