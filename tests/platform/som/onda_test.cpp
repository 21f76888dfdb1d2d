// Wave files: the sample formats read, the format records refused, and chunks that run past the
// file's end or are padded.
#include "platform/som/onda.h"
#include "support/pastas_temporarias.h"

#include <gtest/gtest.h>

#include <string>

using namespace plataforma;

namespace {

std::string U16(std::uint16_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
std::string U32(std::uint32_t v) { return U16(v & 0xFFFF) + U16(v >> 16); }

std::string Pedaco(std::string_view id, const std::string& corpo) {
    return std::string(id) + U32(corpo.size()) + corpo + (corpo.size() % 2 ? std::string(1, '\0') : "");
}

std::string Riff(const std::string& pedacos) { return "RIFF" + U32(4 + pedacos.size()) + "WAVE" + pedacos; }

std::string Fmt(std::uint16_t codigo, std::uint16_t canais, std::uint32_t taxa, std::uint16_t bits,
                std::uint16_t bloco) {
    return Pedaco("fmt ", U16(codigo) + U16(canais) + U32(taxa) + U32(taxa * bloco) + U16(bloco) + U16(bits));
}

std::string Fmt(std::uint16_t codigo, std::uint16_t canais, std::uint32_t taxa, std::uint16_t bits) {
    return Fmt(codigo, canais, taxa, bits, canais * bits / 8);
}

const std::string RestoDoGuid{"\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14};

std::string Extensivel(std::uint16_t codigo, std::uint16_t bits, std::uint16_t validos = 0,
                       std::uint16_t extra = 22, const std::string& resto = RestoDoGuid) {
    const std::uint16_t canais = 2, bloco = canais * bits / 8;
    return Pedaco("fmt ", U16(0xFFFE) + U16(canais) + U32(48000) + U32(48000 * bloco) + U16(bloco) +
                              U16(bits) + U16(extra) + U16(validos ? validos : bits) + U32(3) + U16(codigo) +
                              resto);
}

const std::string Amostras(8, '\x01');

TEST(Onda, FormatosTocaveis) {
    struct Caso {
        std::uint16_t codigo, bits;
        FormatoAmostra formato;
    } casos[] = {{1, 8, FormatoAmostra::U8},         {1, 16, FormatoAmostra::S16LE},
                 {1, 24, FormatoAmostra::S24LE},     {1, 32, FormatoAmostra::S32LE},
                 {3, 32, FormatoAmostra::Float32LE}, {6, 8, FormatoAmostra::ALaw},
                 {7, 8, FormatoAmostra::ULaw}};
    for (const Caso& c : casos) {
        for (const std::string& fmt : {Fmt(c.codigo, 2, 44100, c.bits), Extensivel(c.codigo, c.bits)}) {
            const std::string arquivo = Riff(fmt + Pedaco("data", std::string(24, 'x')));
            const auto onda = InterpretaOnda(arquivo);
            ASSERT_TRUE(onda) << c.codigo << '/' << c.bits << " extensível " << (fmt.size() > 24);
            EXPECT_EQ(onda->formato, c.formato);
            EXPECT_EQ(onda->canais, 2);
            EXPECT_EQ(onda->dados, std::string(24, 'x'));
        }
    }
}

TEST(Onda, FormatosRecusados) {
    const std::string dados = Pedaco("data", Amostras);
    const std::string recusados[] = {
        Fmt(1, 1, 22050, 12, 2),
        Fmt(3, 1, 22050, 64),
        Fmt(6, 1, 22050, 16),
        Fmt(2, 1, 22050, 4, 256),
        Fmt(1, 0, 22050, 16, 0), // no channel
        Fmt(1, 1, 0, 16),        // no rate
        Fmt(1, 2, 22050, 16, 2), // a block that is not the frame
        Extensivel(2, 16),
        Extensivel(1, 16, 24),
        Extensivel(1, 16, 0, 20),
        Extensivel(1, 16, 0, 22, std::string(14, '\0')),
        Pedaco("fmt ", U16(1) + U16(1) + U32(22050) + U32(44100) + U16(2)),                // 14 bytes
        Pedaco("fmt ", U16(0xFFFE) + U16(1) + U32(22050) + U32(44100) + U16(2) + U16(16)), // no extension
    };
    for (const std::string& fmt : recusados)
        EXPECT_FALSE(InterpretaOnda(Riff(fmt + dados))) << testing::PrintToString(fmt);
}

TEST(Onda, CabecalhosIncompletos) {
    const std::string inteiro = Riff(Fmt(1, 1, 22050, 16) + Pedaco("data", "ab"));
    ASSERT_TRUE(InterpretaOnda(inteiro));
    // Every cut before the first frame's end leaves no format record or no frame.
    for (std::size_t n = 0; n < inteiro.size(); ++n)
        EXPECT_FALSE(InterpretaOnda(inteiro.substr(0, n))) << n;
    std::string outro = inteiro;
    outro.replace(0, 4, "RIFX");
    EXPECT_FALSE(InterpretaOnda(outro));
    outro = inteiro;
    outro.replace(8, 4, "AVI ");
    EXPECT_FALSE(InterpretaOnda(outro));
    EXPECT_FALSE(InterpretaOnda(Riff(Pedaco("data", Amostras))));
}

TEST(Onda, PedacosAlemDoFim) {
    const std::string fmt = Fmt(1, 2, 22050, 16);
    // A data chunk longer than the file keeps the whole frames that are there.
    std::string arquivo = Riff(fmt + "data" + U32(1000000) + "0123456789");
    auto onda = InterpretaOnda(arquivo);
    ASSERT_TRUE(onda);
    EXPECT_EQ(onda->dados, "01234567");
    // Its size may overflow a position that adds it to where it starts.
    arquivo = Riff(fmt + "data" + U32(0xFFFFFFFF) + "abcd");
    onda = InterpretaOnda(arquivo);
    ASSERT_TRUE(onda);
    EXPECT_EQ(onda->dados, "abcd");
    // A format record cut by the end cannot be read, even when what is left would be one.
    EXPECT_FALSE(InterpretaOnda(Riff(Pedaco("data", Amostras) + fmt.substr(0, fmt.size() - 2))));
    EXPECT_FALSE(InterpretaOnda(Riff(Pedaco("data", Amostras) + "fmt " + U32(18) + fmt.substr(8))));
    // Nor can one behind a chunk that claims more than the file holds.
    EXPECT_FALSE(InterpretaOnda(Riff("LIST" + U32(0xFFFFFFF0) + "xx" + fmt + Pedaco("data", Amostras))));
    // What the RIFF header says of the size is not what ends the chunks.
    arquivo = Riff(fmt + Pedaco("data", Amostras));
    arquivo.replace(4, 4, U32(4));
    EXPECT_TRUE(InterpretaOnda(arquivo));
}

TEST(Onda, PedacosImparesTemPreenchimento) {
    // "LIST" of 3 bytes and its pad byte, then the format; the data before the format.
    // The samples are a view into the file, which outlives them here.
    const std::string arquivo =
        Riff(Pedaco("LIST", "abc") + Pedaco("data", "12345") + Pedaco("junk", "z") + Fmt(1, 1, 8000, 8));
    const auto onda = InterpretaOnda(arquivo);
    ASSERT_TRUE(onda);
    EXPECT_EQ(onda->formato, FormatoAmostra::U8);
    EXPECT_EQ(onda->taxa, 8000u);
    EXPECT_EQ(onda->dados, "12345");
    // Read without the pad byte, the format record would start a byte early and not be found.
    const std::string sem = Riff("LIST" + U32(3) + "abc" + Fmt(1, 1, 8000, 8) + Pedaco("data", "1"));
    EXPECT_FALSE(InterpretaOnda(sem));
}

TEST(Onda, SonsEntregues) {
    for (const char* nome :
         {"e-bomdia", "e-boatarde", "e-boanoite", "e-conectado", "e-desconectado", "e-fim", "e-tememail"}) {
        const std::string arquivo = LeArquivo(std::string(PROGRAMA_ENTREGUE) + "/" + nome + ".wav");
        const auto onda = InterpretaOnda(arquivo);
        ASSERT_TRUE(onda) << nome;
        EXPECT_EQ(onda->formato, FormatoAmostra::S16LE) << nome;
        EXPECT_EQ(onda->canais, 1) << nome;
        EXPECT_EQ(onda->taxa, 22050u) << nome;
        EXPECT_GT(onda->dados.size(), 22050u / 2) << nome;
    }
}

} // namespace
