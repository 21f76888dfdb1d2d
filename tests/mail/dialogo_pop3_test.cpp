// The pure parts of the mailbox dialogue: the server field's forms, reply framing at the line limit,
// the STAT count and the label texts the scripted-server tests do not reach.
#include "mail/dialogo_pop3.h"
#include "mail/servidor_pop3.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace quelza;

TEST(ServidorPop3, FormasDoCampo) {
    const struct {
        const char* campo;
        std::optional<EnderecoPop3> endereco;
    } casos[] = {
        {"pop.casa.com.br", EnderecoPop3{"pop.casa.com.br", 110, false}},
        {"  pop.casa.com.br  ", EnderecoPop3{"pop.casa.com.br", 110, false}},
        {"pop.casa.com.br:2110", EnderecoPop3{"pop.casa.com.br", 2110, false}},
        {"pop.casa.com.br:995", EnderecoPop3{"pop.casa.com.br", 995, true}},
        {"pop3://pop.casa.com.br", EnderecoPop3{"pop.casa.com.br", 110, false}},
        {"POP3://pop.casa.com.br:995", EnderecoPop3{"pop.casa.com.br", 995, false}},
        {"pop3s://pop.casa.com.br", EnderecoPop3{"pop.casa.com.br", 995, true}},
        {"pop3s://pop.casa.com.br:1995", EnderecoPop3{"pop.casa.com.br", 1995, true}},
        {"[2001:db8::1]:995", EnderecoPop3{"2001:db8::1", 995, true}},
        {"pop3://[::1]:2110", EnderecoPop3{"::1", 2110, false}},
        {"[::1]", EnderecoPop3{"::1", 110, false}},
        {"::1", EnderecoPop3{"::1", 110, false}},
        {"", std::nullopt},
        {"pop3s://", std::nullopt},
        {"host:", std::nullopt},
        {"host:0", std::nullopt},
        {"host:65536", std::nullopt},
        {"host:11o", std::nullopt},
        {"[::1]995", std::nullopt},
        {"[::1", std::nullopt},
        {"pop3://host/caixa", std::nullopt},
        {"imap://imap.casa.com.br", EnderecoPop3{"imap.casa.com.br", 143, false, ProtocoloEmail::Imap}},
        {"imaps://imap.casa.com.br", EnderecoPop3{"imap.casa.com.br", 993, true, ProtocoloEmail::Imap}},
        {"imap:/host", std::nullopt},
        {"smtp://host", std::nullopt},
    };
    for (const auto& c : casos)
        EXPECT_EQ(InterpretaServidorPop3(c.campo), c.endereco) << c.campo;
}

TEST(DialogoPop3, EnquadramentoDasRespostas) {
    const std::string cheia(LimiteLinhaPop3 - 2, 'x');
    const struct {
        std::string buffer;
        EstadoBuffer estado;
    } casos[] = {
        {"", EstadoBuffer::Incompleto},          {"+OK 3 1", EstadoBuffer::Incompleto},
        {"+OK\r", EstadoBuffer::Incompleto},     {"+OK\n", EstadoBuffer::Incompleto},
        {"+OK\r\n", EstadoBuffer::Linha},        {cheia + "\r\n", EstadoBuffer::Linha},
        {cheia + "x\r", EstadoBuffer::Excedido}, {std::string(LimiteLinhaPop3, 'x'), EstadoBuffer::Excedido},
    };
    for (const auto& c : casos)
        EXPECT_EQ(AvaliaBuffer(c.buffer), c.estado) << c.buffer.substr(0, 20) << " / " << c.buffer.size();

    // Bytes beyond one line's worth, or after a whole line, are not kept.
    std::string recebido = "+OK";
    AcrescentaResposta(recebido, std::string(LimiteLinhaPop3, 'x'));
    EXPECT_EQ(recebido.size(), LimiteLinhaPop3);
    recebido = "+OK 1\r";
    for (const char* pedaco : {"\n-ERR", "\r\n"})
        AcrescentaResposta(recebido, pedaco);
    EXPECT_EQ(recebido, "+OK 1\r\n-ERR");

    std::string buffer = "+OK 3 10\r\n-ERR\r\n";
    EXPECT_EQ(TiraLinha(buffer), "+OK 3 10");
    EXPECT_EQ(buffer, "-ERR\r\n");
    EXPECT_TRUE(RespostaAceita("+OK", "+OK"));
    EXPECT_FALSE(RespostaAceita("+ok 1 2", "+OK"));
    EXPECT_FALSE(RespostaAceita(" +OK", "+OK"));
}

TEST(DialogoPop3, ContagemDoStat) {
    const struct {
        const char* resposta;
        std::optional<double> contagem; // nothing: the run-time error path
    } casos[] = {
        {"+OK 3 1234", 3},     {"+OK 12 40960", 12},
        {"+OK 0 0", 0},        {"+OK  3 10", 0},
        {"+OK abc 10", 0},     {"+OK 7x 10", 7},
        {"+OK 2.5 1", 2.5},    {"+OK 3", std::nullopt},
        {"+OK", std::nullopt}, {"+OK 3\t10", std::nullopt},
    };
    for (const auto& c : casos) {
        if (c.contagem)
            EXPECT_EQ(ContagemStat(c.resposta), *c.contagem) << c.resposta;
        else
            EXPECT_THROW(ContagemStat(c.resposta), ErroExecucaoPop3) << c.resposta;
    }
    EXPECT_EQ(SomaMensagens(3, 2.5), 6) << "halves go to the even number";
    EXPECT_EQ(SomaMensagens(3, 1.5), 4);
    EXPECT_EQ(SomaMensagens(32000, 767), 32767);
    EXPECT_THROW(SomaMensagens(32000, 768), ErroExecucaoPop3);
}

// The run-time error text has no singular; a negative total reads as none after a count.
TEST(DialogoPop3, TextosDoRotulo) {
    EXPECT_EQ(TextoErroExecucao(1, "09:30"), "1 mensagens. Erro às 09:30");
    EXPECT_EQ(TextoTotal(-2, "09:30"), "0 mensagens às 09:30");
}

} // namespace
