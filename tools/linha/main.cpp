// e-telvanor-linha: the simulated line seen from outside the program. `estado` prints the line's
// state, `derruba` drops the line as a lost carrier would, `importa` adds the entry of a provider
// preset file to the phonebook (the handler the shell runs for such files). It reads the same files
// as the program, through the same dial-up calls, so what it prints is what the program sees.
#include "platform/arquivos/limite_tamanho.h"
#include "platform/arquivos/pastas.h"
#include "platform/discagem/ras.h"
#include "platform/discagem/simulada/catalogo_simulado.h"
#include "platform/discagem/simulada/linha_simulada.h"
#include "platform/nucleo/escolha_backend.h"
#include "platform/texto/cp1252.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace plataforma;

const char* NomeDoEstado(RASCONNSTATE estado) {
    switch (estado) {
    case RASCS_OpenPort:
        return "RASCS_OpenPort";
    case RASCS_ConnectDevice:
        return "RASCS_ConnectDevice";
    case RASCS_Authenticate:
        return "RASCS_Authenticate";
    case RASCS_Connected:
        return "RASCS_Connected";
    case RASCS_Disconnected:
        return "RASCS_Disconnected";
    default:
        return "?";
    }
}

int MostraEstado() {
    RASCONNA conexao{};
    conexao.dwSize = sizeof conexao;
    std::uint32_t bytes = sizeof conexao;
    std::uint32_t quantas = 0;
    RASCONNSTATUSA estado{};
    estado.dwSize = sizeof estado;
    if (RasEnumConnectionsA(&conexao, &bytes, &quantas) != 0 || quantas == 0 ||
        RasGetConnectStatusA(conexao.hrasconn, &estado) != 0) {
        std::puts("sem conexão");
        return 0;
    }
    const std::string entrada =
        DeCp1252({conexao.szEntryName, ::strnlen(conexao.szEntryName, sizeof conexao.szEntryName)});
    std::printf("conexão %u: estado %u %s, entrada \"%s\"\n", conexao.hrasconn, estado.rasconnstate,
                NomeDoEstado(estado.rasconnstate), entrada.c_str());
    return 0;
}

int Derruba() {
    if (!LinhaSimuladaDoUsuario().Derruba()) {
        std::fputs("sem conexão para derrubar\n", stderr);
        return 1;
    }
    std::puts("linha derrubada");
    return 0;
}

int Importa(const char* predefinicao) {
    const std::optional<EntradaCatalogo> entrada = LePredefinicao(predefinicao);
    if (!entrada) {
        std::fprintf(stderr, "%s: não é uma predefinição de acesso\n", predefinicao);
        return 1;
    }
    if (!GravaEntradaCatalogo(PastaUsuario() + "/catalogo.ini", *entrada)) {
        std::fputs("não foi possível gravar o catálogo\n", stderr);
        return 1;
    }
    std::printf("entrada \"%s\" criada\n", DeCp1252(entrada->nome).c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    IgnoraLimiteDeTamanho();
    if (const FalhaPasta falha = PreparaPastaExecucao(); falha != FalhaPasta::Nenhuma) {
        std::fprintf(stderr, "a pasta %s %s\n", PastaExecucao().c_str(), DescreveFalhaPasta(falha).c_str());
        return 1;
    }
    DefineBackend<ServicoDiscagem>(ServicoLinhaSimulada());
    if (argc == 2 && std::strcmp(argv[1], "estado") == 0)
        return MostraEstado();
    if (argc == 2 && std::strcmp(argv[1], "derruba") == 0)
        return Derruba();
    if (argc == 3 && std::strcmp(argv[1], "importa") == 0)
        return Importa(argv[2]);
    std::fputs("uso: e-telvanor-linha estado|derruba|importa ARQUIVO\n", stderr);
    return 2;
}
