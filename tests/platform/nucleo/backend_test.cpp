// The backend switch and the diagnostic sink: what answers while nothing is chosen or the choice is
// undone, and the one line a failure leaves on standard error.
#include "platform/discagem/ras.h"
#include "platform/nucleo/diagnostico.h"
#include "platform/nucleo/escolha_backend.h"
#include "support/diagnosticos.h"
#include "support/servico_discagem_roteirizado.h"

#include <gtest/gtest.h>

namespace {

using namespace plataforma;

// The five calls, each returning its code.
std::vector<std::uint32_t> ChamaTodas() {
    RASDIALPARAMSA parametros{};
    parametros.dwSize = sizeof parametros;
    HRASCONN conexao = 0;
    RASCONNSTATUSA estado{};
    estado.dwSize = sizeof estado;
    RASCONNA conexoes[2]{};
    conexoes[0].dwSize = sizeof(RASCONNA);
    RASENTRYNAMEA entradas[2]{};
    entradas[0].dwSize = sizeof(RASENTRYNAMEA);
    std::uint32_t bytes = sizeof conexoes, quantas = 0;
    std::vector<std::uint32_t> codigos{RasDialA(nullptr, nullptr, &parametros, 0, nullptr, &conexao),
                                       RasGetConnectStatusA(1, &estado),
                                       RasEnumConnectionsA(conexoes, &bytes, &quantas), RasHangUpA(1)};
    bytes = sizeof entradas;
    codigos.push_back(RasEnumEntriesA(nullptr, nullptr, entradas, &bytes, &quantas));
    return codigos;
}

// A chosen service answers instead (every dial-up test goes through one); a null choice brings the
// default back.
TEST(EscolhaDoServicoDeDiscagem, SemEscolhaOServicoNaoRodaEANulaDevolveOPadrao) {
    const std::vector<std::uint32_t> semServico(5, ERROR_RASMAN_CANNOT_INITIALIZE);
    EXPECT_EQ(ChamaTodas(), semServico) << "as when the system's dial-up service does not run";
    DefineBackend<ServicoDiscagem>(std::make_shared<ServicoDiscagemRoteirizado>());
    EXPECT_NE(ChamaTodas(), semServico);
    DefineBackend<ServicoDiscagem>(nullptr);
    EXPECT_EQ(ChamaTodas(), semServico);
}

TEST(Diagnostico, UmaLinhaComPrefixoPorFalha) {
    DiagnosticosGuardados diagnosticos;
    const struct {
        const char *texto, *linha;
    } casos[] = {
        {"não foi possível gravar /x", "e-Telvanor: não foi possível gravar /x\n"},
        {"duas\nlinhas\r\n", "e-Telvanor: duas linhas  \n"},
        {"", "e-Telvanor: \n"},
    };
    for (const auto& c : casos) {
        Diagnostico(c.texto);
        EXPECT_EQ(diagnosticos.Retira(), c.linha);
    }
}

TEST(Diagnostico, OPadraoEscreveNoStderr) {
    DefineBackend<SaidaDiagnostico>(nullptr);
    ::testing::internal::CaptureStderr();
    Diagnostico("falhou");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "e-Telvanor: falhou\n");
    DiagnosticosSilenciados::Instala();
}

} // namespace
