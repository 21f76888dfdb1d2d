// The Qt Multimedia playback: what it refuses to play, silently.
#include "platform/qt/som.h"

#include "support/pastas_temporarias.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using namespace plataforma;

constexpr std::uint32_t Opcoes = SND_FILENAME | SND_NODEFAULT | SND_ASYNC;

// A wave file of `ms` milliseconds of a 440 Hz square wave, 8 kHz mono 16-bit.
std::string Onda(int ms) {
    const std::uint32_t amostras = 8 * ms, dados = amostras * 2;
    auto u32 = [](std::uint32_t v) {
        return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    };
    auto u16 = [](std::uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    std::string w = "RIFF" + u32(36 + dados) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(8000) +
                    u32(16000) + u16(2) + u16(16) + "data" + u32(dados);
    for (std::uint32_t i = 0; i < amostras; ++i)
        w += u16((i / 9) % 2 ? 8000 : std::uint16_t(-8000));
    return w;
}

class SomQtTeste : public ::testing::Test {
protected:
    SomQtTeste() { DefineSom(nullptr); }
    ~SomQtTeste() override {
        PlaySoundA(nullptr, nullptr, Opcoes); // leaves nothing playing for the next test
        DefineSom(nullptr);
    }
    PastasTemporarias pastas;
};

TEST_F(SomQtTeste, ArquivoQueNaoSePodeTocarNaoTocaNada) {
    const std::string pasta = pastas.Programa();
    GravaArquivo(pasta + "/vazio.wav", "");
    const std::string casos[] = {pasta + "/nao-existe.wav", "", pasta, pasta + "/vazio.wav/x"};
    for (const std::string& caminho : casos)
        EXPECT_FALSE(PlaySoundA(caminho.c_str(), nullptr, Opcoes)) << caminho;
    EXPECT_FALSE(PlaySoundA(nullptr, nullptr, Opcoes));
}

TEST_F(SomQtTeste, SoNomesDeArquivo) {
    const std::string caminho = pastas.Programa() + "/tom.wav";
    GravaArquivo(caminho, Onda(200));
    EXPECT_FALSE(PlaySoundA(caminho.c_str(), nullptr, SND_ASYNC | SND_NODEFAULT));
    EXPECT_TRUE(PlaySoundA(caminho.c_str(), nullptr, Opcoes));
}

} // namespace
