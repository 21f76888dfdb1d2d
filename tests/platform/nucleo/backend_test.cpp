// The backend switch and the diagnostic sink: what answers while nothing is chosen, what a choice
// routes, and the one line a failure leaves on standard error.
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

TEST(EscolhaDoServicoDeDiscagem, SemEscolhaOServicoNaoRodaEANulaDevolveOPadrao) {
    const std::vector<std::uint32_t> semServico(5, ERROR_RASMAN_CANNOT_INITIALIZE);
    EXPECT_EQ(ChamaTodas(), semServico) << "as when the system's dial-up service does not run";

    // Each call answers as the scripted service does: its dial code, no such connection, and success
    // for the listings and the hang-up.
    auto servico = std::make_shared<ServicoDiscagemRoteirizado>();
    servico->codigoDiscagem = 77;
    const std::vector<std::uint32_t> roteirizado{77, ERROR_INVALID_HANDLE_RAS, 0, 0, 0};
    DefineBackend<ServicoDiscagem>(servico);
    EXPECT_EQ(ChamaTodas(), roteirizado);
    EXPECT_EQ(servico->desligamentos, std::vector<HRASCONN>{1});

    DefineBackend<ServicoDiscagem>(nullptr);
    EXPECT_EQ(ChamaTodas(), semServico);
    EXPECT_EQ(servico->discagens.size(), 1u);
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

TEST(Diagnostico, OPadraoEscreveNoStderrEOsTestesOSilenciam) {
    ::testing::internal::CaptureStderr();
    Diagnostico("silêncio");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "the test main silences it";

    DefineBackend<SaidaDiagnostico>(nullptr);
    ::testing::internal::CaptureStderr();
    Diagnostico("falhou");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "e-Telvanor: falhou\n");
    DiagnosticosSilenciados::Instala();
}

} // namespace
