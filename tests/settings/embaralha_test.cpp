// Scrambling vectors: where the key enters, wrap-around both ways, the codes that stores must keep.
#include "platform/configuracoes_usuario.h"
#include "platform/cp1252.h"
#include "settings/embaralha.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using plataforma::DeCp1252;
using plataforma::ParaCp1252;
using quelza::ChaveCredenciais;
using quelza::Desembaralha;
using quelza::Embaralha;

// Text made of Windows-1252 codes, as UTF-8.
std::string Codigos(const std::string& bytes) { return DeCp1252(bytes); }

struct Vetor {
    const char* nome;
    std::string texto; // Windows-1252 codes
    std::string chave;
    std::string embaralhado; // Windows-1252 codes
};

void PrintTo(const Vetor& v, std::ostream* saida) { *saida << v.nome; }

class VetoresEmbaralha : public ::testing::TestWithParam<Vetor> {};

TEST_P(VetoresEmbaralha, EmbaralhaEDesembaralhaNosDoisSentidos) {
    const Vetor& v = GetParam();
    EXPECT_EQ(ParaCp1252(Embaralha(Codigos(v.texto), v.chave)), v.embaralhado);
    EXPECT_EQ(ParaCp1252(Desembaralha(Codigos(v.embaralhado), v.chave)), v.texto);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, VetoresEmbaralha,
    ::testing::Values(
        // One character pairs with the key's second character: 'A' 65 + 'Y' 89 = 154.
        Vetor{"UmCaractereUsaASegundaDaChave", "A", "XY", "\x9A"},
        // 200 + 90 = 290, which wraps to 34; and back from 34 to 200.
        Vetor{"DaAVoltaPorCima", "\xC8", "ZZ", "\x22"},
        // 166 + 90 = 256 gives code 0; 179 + 90 = 269 gives code 13.
        Vetor{"GeraCodigoZeroETreze", std::string("\xA6\xB3", 2), "ZZ", std::string("\x00\x0D", 2)},
        // A fixed vector with the credentials key, for any other reader of stored values.
        Vetor{"ChaveDasCredenciais", "senha", ChaveCredenciais, "\xC2\xB2\xAF\xBA\x81"},
        Vetor{"ValorDeConta", "\rana\rpop.casa.net\rs3nha", ChaveCredenciais,
              "\x5C\xAE\xAF\xB3\x2D\xBF\x8F\xC3\x73\x83\xA3\xC5\xAA\x81\xAF\x85\xA9\x3E\xAB\x65\x9E\x9C\x98"},
        Vetor{"TextoVazio", "", ChaveCredenciais, ""}, Vetor{"ChaveVazia", "abc\xE7", "", "abc\xE7"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Embaralha, APosicao38VoltaASegundaDaChave) {
    // 'T' 84 is the key's first character, 'O' 79 its second, 'M' 77 its last.
    const std::string bytes = ParaCp1252(Embaralha(std::string(38, 'A'), ChaveCredenciais));
    ASSERT_EQ(bytes.size(), 38u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 65 + 79);
    EXPECT_EQ(static_cast<unsigned char>(bytes[35]), 65 + 77);
    EXPECT_EQ(static_cast<unsigned char>(bytes[36]), 65 + 84);
    EXPECT_EQ(static_cast<unsigned char>(bytes[37]), 65 + 79);
}

TEST(Embaralha, ChaveEmMinusculasValeAMaiuscula) {
    const std::string texto = "Usuário da Conexão";
    EXPECT_EQ(Embaralha(texto, "tomar o se brisa 518204736 h46krt952m"), Embaralha(texto, ChaveCredenciais));
    // Accented letters are upper-cased too, in the Windows-1252 page.
    EXPECT_EQ(Embaralha(texto, "xção"), Embaralha(texto, "XÇÃO"));
    EXPECT_EQ(Desembaralha(texto, "xção"), Desembaralha(texto, "XÇÃO"));
}

TEST(Embaralha, TodosOsCodigosVoltam) {
    std::string todos;
    for (int c = 0; c < 256; ++c)
        todos += static_cast<char>(c);
    const std::string texto = Codigos(todos + todos);
    const std::string embaralhado = Embaralha(texto, ChaveCredenciais);
    EXPECT_NE(embaralhado, texto);
    EXPECT_EQ(Desembaralha(embaralhado, ChaveCredenciais), texto);
}

class EmbaralhaGuardado : public AmbienteTeste {};

TEST_F(EmbaralhaGuardado, CodigosZeroETrezeSobrevivemAoArmazenamento) {
    const std::string texto = Codigos(std::string("\xA6\xB3x\xA6", 4));
    const std::string embaralhado = Embaralha(texto, "ZZ");
    ASSERT_EQ(ParaCp1252(embaralhado), std::string("\x00\x0D\xD2\x00", 4));

    plataforma::SaveSetting("e-Telvanor", "Acesso", "Senha", embaralhado);
    const std::string lido = plataforma::GetSetting("e-Telvanor", "Acesso", "Senha");
    EXPECT_EQ(lido, embaralhado);
    EXPECT_EQ(Desembaralha(lido, "ZZ"), texto);
}

} // namespace
