// The backend switch and the diagnostic sink: what answers while nothing is chosen, what a choice
// routes, and the one line a failure leaves on standard error.
#include "platform/diagnostico.h"
#include "platform/escolha_backend.h"
#include "platform/ras.h"
#include "support/diagnosticos.h"

#include <gtest/gtest.h>

namespace {

using namespace plataforma;

class ServicoQueConta final : public ServicoDiscagem {
public:
    std::uint32_t Disca(const RASDIALPARAMSA&, HRASCONN* conexao) override {
        *conexao = 9;
        return ++chamadas, 0;
    }
    std::uint32_t Estado(HRASCONN, RASCONNSTATUSA*) override { return ++chamadas, 0; }
    std::uint32_t Conexoes(RASCONNA*, std::uint32_t, std::uint32_t* quantas) override {
        *quantas = 0;
        return ++chamadas, 0;
    }
    std::uint32_t Desliga(HRASCONN) override { return ++chamadas, 0; }
    std::uint32_t Entradas(RASENTRYNAMEA*, std::uint32_t, std::uint32_t* quantas) override {
        *quantas = 0;
        return ++chamadas, 0;
    }
    int chamadas = 0;
};

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

    auto servico = std::make_shared<ServicoQueConta>();
    DefineBackend<ServicoDiscagem>(servico);
    EXPECT_EQ(ChamaTodas(), std::vector<std::uint32_t>(5, 0));
    EXPECT_EQ(servico->chamadas, 5);

    DefineBackend<ServicoDiscagem>(nullptr);
    EXPECT_EQ(ChamaTodas(), semServico);
    EXPECT_EQ(servico->chamadas, 5);
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
