// One value of the settings file: the 255-character buffer, the code page at the boundary.
#include "settings/configuracao.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using quelza::ArquivoConfig;
using quelza::GravaIni;
using quelza::LeIni;

class LeIniTeste : public AmbienteTeste {};

TEST_F(LeIniTeste, ValorLongoVoltaCortadoEm254) {
    const std::string longo = std::string(150, 'a') + std::string(150, 'b');
    GravaArquivo(ArquivoConfig(), "[IE]\r\nP\xE1gina Inicial=" + longo + "\r\n");
    EXPECT_EQ(LeIni(ArquivoConfig(), "IE", "Página Inicial"), longo.substr(0, 254));
    EXPECT_EQ(quelza::BufferIni.size(), 255u);

    const std::string cabe = std::string(254, 'c');
    GravaIni(ArquivoConfig(), "IE", "Página Inicial", cabe);
    EXPECT_EQ(LeIni(ArquivoConfig(), "IE", "Página Inicial"), cabe);
}

TEST_F(LeIniTeste, NomesEValoresAcentuadosFicamEmWindows1252NoArquivo) {
    GravaIni(ArquivoConfig(), "Config", "Não Deixar Agendado", " 1");
    GravaIni(ArquivoConfig(), "Config", "Executar", "/opt/programação/ação");
    const std::string arquivo = LeArquivo(ArquivoConfig());
    EXPECT_NE(arquivo.find("N\xE3o Deixar Agendado"), std::string::npos);
    EXPECT_NE(arquivo.find("/opt/programa\xE7\xE3o/a\xE7\xE3o"), std::string::npos);
    EXPECT_EQ(LeIni(ArquivoConfig(), "config", "Não deixar Agendado"), "1");
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Executar"), "/opt/programação/ação");
}

TEST_F(LeIniTeste, ChaveOuArquivoAusenteLeVazio) {
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Rediscar"), "");
    GravaIni(ArquivoConfig(), "Config", "Rediscar", "True");
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Executar"), "");
    EXPECT_EQ(LeIni(ArquivoConfig(), "Pop3", "Rediscar"), "");
    EXPECT_EQ(LeIni(ArquivoConfig(), "Config", "Rediscar"), "True");
}

} // namespace
