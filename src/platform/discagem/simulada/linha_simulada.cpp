#include "platform/discagem/simulada/linha_simulada.h"

#include "platform/arquivos/pastas.h"
#include "platform/discagem/simulada/catalogo_simulado.h"
#include "platform/nucleo/relogio.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace plataforma {
namespace {

constexpr std::uint32_t ERROR_PORT_NOT_AVAILABLE = 633;
constexpr const char* TipoDispositivo = "modem";
constexpr const char* NomeDispositivo = "Modem Simulado";

std::int64_t AgoraMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Agora().time_since_epoch()).count();
}

// Copies a text into a record's field, cut to fit with its NUL.
template <std::size_t N> void Copia(char (&campo)[N], std::string_view texto) {
    const std::size_t n = std::min(texto.size(), N - 1);
    std::memcpy(campo, texto.data(), n);
    campo[n] = '\0';
}

template <std::size_t N> std::string_view Texto(const char (&campo)[N]) {
    return {campo, ::strnlen(campo, N)};
}

// The environment's entries as last seen. setenv, unsetenv and putenv each change an entry's address
// or the number of entries, so an equal list means equal variables, told without reading a name.
bool AmbienteMudou(std::vector<const char*>& visto) {
    std::size_t n = 0;
    bool igual = true;
    for (; environ != nullptr && environ[n] != nullptr; ++n)
        igual = igual && n < visto.size() && visto[n] == environ[n];
    if (igual && n == visto.size())
        return false;
    visto.assign(environ, environ + n);
    return true;
}

} // namespace

LinhaSimulada::LinhaSimulada(std::string catalogo, const std::string& estado)
    : catalogo_(std::move(catalogo)), arquivo_(estado) {}

EstadoLinha LinhaSimulada::EstadoAtual() { return EstadoDaConexao(arquivo_.Le(), AgoraMs()); }

std::uint32_t LinhaSimulada::Disca(const RASDIALPARAMSA& parametros, HRASCONN* conexao) {
    *conexao = 0;
    if (!arquivo_.Aberto())
        return ERROR_PORT_NOT_AVAILABLE;
    // The one modem is busy whatever the entry; asked first so a busy line never reads the phonebook.
    if (EstadoAtual().existe)
        return ERROR_PORT_ALREADY_OPEN;
    GaranteCatalogo(catalogo_);
    const auto entrada = EntradaDoCatalogo(catalogo_, std::string(Texto(parametros.szEntryName)));
    if (!entrada)
        return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
    if (entrada->erro != 0)
        return entrada->erro;

    const bool aceitas = entrada->usuario.empty() || (Texto(parametros.szUserName) == entrada->usuario &&
                                                      Texto(parametros.szPassword) == entrada->senha);
    const std::int64_t agora = AgoraMs();
    std::uint32_t resultado = 0;
    const bool gravado = arquivo_.Altera([&](DadosLinha& dados) {
        // Another process may have dialled since the look above.
        if (EstadoDaConexao(dados.conexao, agora).existe) {
            resultado = ERROR_PORT_ALREADY_OPEN;
            return;
        }
        dados.ultimaConexao = dados.ultimaConexao + 1 == 0 ? 1 : dados.ultimaConexao + 1;
        ConexaoSimulada nova;
        nova.conexao = dados.ultimaConexao;
        Copia(nova.entrada, entrada->nome);
        nova.inicioMs = agora;
        nova.discagemMs = entrada->discagemMs;
        nova.autenticacaoMs = entrada->autenticacaoMs;
        nova.quedaS = entrada->quedaS;
        nova.credenciaisAceitas = aceitas;
        dados.conexao = nova;
        *conexao = nova.conexao;
    });
    return gravado ? resultado : ERROR_PORT_NOT_AVAILABLE;
}

std::uint32_t LinhaSimulada::Estado(HRASCONN conexao, RASCONNSTATUSA* estado) {
    if (conexao == 0)
        return ERROR_INVALID_HANDLE_RAS;
    const ConexaoSimulada& atual = arquivo_.Le();
    const EstadoLinha linha = EstadoDaConexao(atual, AgoraMs());
    if (atual.conexao != conexao || !linha.existe)
        return ERROR_INVALID_HANDLE_RAS;
    estado->rasconnstate = linha.estado;
    estado->dwError = linha.erro;
    Copia(estado->szDeviceType, TipoDispositivo);
    Copia(estado->szDeviceName, NomeDispositivo);
    return 0;
}

std::uint32_t LinhaSimulada::Conexoes(RASCONNA* conexoes, std::uint32_t capacidade, std::uint32_t* quantas) {
    const ConexaoSimulada& atual = arquivo_.Le();
    if (!EstadoDaConexao(atual, AgoraMs()).existe) {
        *quantas = 0;
        return 0;
    }
    *quantas = 1;
    if (capacidade >= 1) {
        conexoes[0].hrasconn = atual.conexao;
        Copia(conexoes[0].szEntryName, Texto(atual.entrada));
        Copia(conexoes[0].szDeviceType, TipoDispositivo);
        Copia(conexoes[0].szDeviceName, NomeDispositivo);
    }
    return 0;
}

std::uint32_t LinhaSimulada::Desliga(HRASCONN conexao) {
    if (conexao == 0)
        return ERROR_INVALID_HANDLE_RAS;
    const std::int64_t agora = AgoraMs();
    std::uint32_t resultado = ERROR_INVALID_HANDLE_RAS;
    arquivo_.Altera([&](DadosLinha& dados) {
        ConexaoSimulada& atual = dados.conexao;
        if (atual.conexao != conexao || !EstadoDaConexao(atual, agora).existe)
            return;
        // A second hang-up while the port closes must not hold the port open longer.
        if (!atual.desligada) {
            atual.desligada = true;
            atual.desligadaMs = agora;
        }
        resultado = 0;
    });
    return resultado;
}

std::uint32_t LinhaSimulada::Entradas(RASENTRYNAMEA* entradas, std::uint32_t capacidade,
                                      std::uint32_t* quantas) {
    GaranteCatalogo(catalogo_);
    const std::vector<std::string> nomes = NomesDoCatalogo(catalogo_);
    *quantas = static_cast<std::uint32_t>(nomes.size());
    for (std::size_t i = 0; i < nomes.size() && i < capacidade; ++i)
        Copia(entradas[i].szEntryName, nomes[i]);
    return 0;
}

bool LinhaSimulada::Derruba() {
    const std::int64_t agora = AgoraMs();
    bool derrubou = false;
    arquivo_.Altera([&](DadosLinha& dados) {
        ConexaoSimulada& atual = dados.conexao;
        if (!EstadoDaConexao(atual, agora).existe || atual.desligada)
            return;
        atual.derrubada = true;
        derrubou = true;
    });
    return derrubou;
}

LinhaSimulada& LinhaSimuladaDoUsuario() {
    static constexpr const char* Variaveis[] = {"XDG_CONFIG_HOME", "HOME", "XDG_RUNTIME_DIR"};
    static std::vector<const char*> ambiente;
    static std::string vistas[std::size(Variaveis)];
    static std::unique_ptr<LinhaSimulada> linha;
    // Every dial-up call of the poller comes here, a dozen a tick: the names are looked at only when
    // the environment changed since the last call.
    if (!AmbienteMudou(ambiente) && linha)
        return *linha;
    bool mudou = !linha;
    for (std::size_t i = 0; i < std::size(Variaveis); ++i) {
        const char* valor = std::getenv(Variaveis[i]);
        if (vistas[i] != (valor ? valor : "")) {
            vistas[i] = valor ? valor : "";
            mudou = true;
        }
    }
    // A runtime folder another user could have reached holds no state: the line then has none.
    if (mudou)
        linha = std::make_unique<LinhaSimulada>(
            PastaUsuario() + "/catalogo.ini",
            PreparaPastaExecucao() == FalhaPasta::Nenhuma ? PastaExecucao() + "/linha-simulada" : "");
    return *linha;
}

std::shared_ptr<ServicoDiscagem> ServicoLinhaSimulada() {
    class LinhaDoUsuario final : public ServicoDiscagem {
    public:
        std::uint32_t Disca(const RASDIALPARAMSA& parametros, HRASCONN* conexao) override {
            return LinhaSimuladaDoUsuario().Disca(parametros, conexao);
        }
        std::uint32_t Estado(HRASCONN conexao, RASCONNSTATUSA* estado) override {
            return LinhaSimuladaDoUsuario().Estado(conexao, estado);
        }
        std::uint32_t Conexoes(RASCONNA* conexoes, std::uint32_t capacidade,
                               std::uint32_t* quantas) override {
            return LinhaSimuladaDoUsuario().Conexoes(conexoes, capacidade, quantas);
        }
        std::uint32_t Desliga(HRASCONN conexao) override { return LinhaSimuladaDoUsuario().Desliga(conexao); }
        std::uint32_t Entradas(RASENTRYNAMEA* entradas, std::uint32_t capacidade,
                               std::uint32_t* quantas) override {
            return LinhaSimuladaDoUsuario().Entradas(entradas, capacidade, quantas);
        }
    };
    return std::make_shared<LinhaDoUsuario>();
}

} // namespace plataforma
