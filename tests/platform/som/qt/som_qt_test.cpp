// The PulseAudio playback, through the sound process beside the executable: what it refuses to
// play, silently.
#include "platform/nucleo/escolha_backend.h"
#include "platform/som/qt/som.h"

#include "support/diagnosticos.h"
#include "support/pastas_temporarias.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using namespace plataforma;

constexpr std::uint32_t Opcoes = SND_FILENAME | SND_NODEFAULT | SND_ASYNC;

class SomQtTeste : public ::testing::Test {
protected:
    SomQtTeste() { DefineBackend<Som>(nullptr); }
    ~SomQtTeste() override {
        PlaySoundA(nullptr, nullptr, Opcoes); // leaves nothing playing for the next test
        DefineBackend<Som>(nullptr);
    }
    PastasTemporarias pastas;
    DiagnosticosGuardados diagnosticos;
};

TEST_F(SomQtTeste, ArquivoQueNaoSePodeTocarNaoTocaNada) {
    const std::string pasta = pastas.Programa();
    GravaArquivo(pasta + "/vazio.wav", "");
    GravaArquivo(pasta + "/texto.wav", std::string("RIFF\x04\0\0\0WAVEnao e som", 21));
    const std::string casos[] = {
        pasta + "/nao-existe.wav", "", pasta, pasta + "/vazio.wav/x", pasta + "/vazio.wav",
        pasta + "/texto.wav"};
    for (const std::string& caminho : casos)
        EXPECT_FALSE(PlaySoundA(caminho.c_str(), nullptr, Opcoes)) << caminho;
    EXPECT_FALSE(PlaySoundA(nullptr, nullptr, Opcoes));
    EXPECT_EQ(diagnosticos.Retira(), "") << "o processo de som não foi iniciado";
}

} // namespace
