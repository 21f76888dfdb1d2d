// The sound cues: what is asked of the platform, and no cue at all without a wave device.
#include "app/frm_telvanor01.h"
#include "app/sons.h"
#include "settings/quelza.h"
#include "support/ambiente.h"

#include <gtest/gtest.h>

namespace {

using Sons = AmbienteTeste;

TEST_F(Sons, TocaOArquivoPeloNomeSemEsperarESemSomPadrao) {
    const std::string caminho = pastas.Programa() + "/e-bom dia é.wav";
    quelza::TocaSom(caminho);
    quelza::TocaSom("");
    ASSERT_EQ(som->chamadas.size(), 2u);
    EXPECT_EQ(som->chamadas[0].nome, caminho);
    EXPECT_EQ(som->chamadas[0].opcoes, 0x20003u);
    EXPECT_EQ(som->chamadas[1].nome, "");
    EXPECT_EQ(som->chamadas[1].opcoes, 0x20003u);
}

TEST_F(Sons, DispositivoBastaUm) {
    const std::pair<std::uint32_t, bool> casos[] = {{0, false}, {1, true}, {2, true}, {0xFFFFFFFF, true}};
    for (const auto& [dispositivos, tem] : casos) {
        som->dispositivos = dispositivos;
        EXPECT_EQ(quelza::TemDispositivoSom(), tem) << dispositivos;
    }
}

TEST_F(Sons, SaudacaoEFechamentoDaPrimeiraPartidaSoComDispositivo) {
    relogio->Ajusta(9, 30);
    for (const std::uint32_t dispositivos : {0u, 1u}) {
        SCOPED_TRACE(dispositivos);
        // The first start turns the cues and the greeting on.
        GravaArquivo(pastas.Programa() + "/Config.ini", "[Config]\r\nPrimeira Vez=1\r\n");
        som->chamadas.clear();
        som->dispositivos = dispositivos;
        frmTelvanor01 janela;

        janela.Form_Load("");
        janela.Form_QueryUnload();

        const std::vector<std::string> esperados = {pastas.Programa() + "/e-bomdia.wav",
                                                    pastas.Programa() + "/e-fim.wav"};
        EXPECT_EQ(som->Tocados(), dispositivos ? esperados : std::vector<std::string>{});
    }
}

} // namespace
