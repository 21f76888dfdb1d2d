#include "dialup/discagem.h"

#include "dialup/janela_discagem.h"
#include "platform/discagem/ras.h"
#include "platform/interface/qt/eventos.h"
#include "platform/interface/qt/mensagens.h"
#include "platform/texto/cp1252.h"
#include "settings/formas_texto.h"
#include "settings/quelza.h"
#include "settings/tabela_configuracoes.h"

#include <algorithm>
#include <cstring>

namespace quelza {
namespace {

using namespace plataforma;

// Notification by window message with a notifier no window of the program handles: the poller
// follows the dial.
constexpr std::uint32_t NotificadorMensagem = 0xFFFFFFFF;

// Copies a text into a record's field, converted to Windows-1252 and cut to the published length.
template <std::size_t N> void CopiaCampo(char (&campo)[N], const std::string& texto) {
    const std::string ansi = ParaCp1252(texto);
    const std::size_t n = std::min(ansi.size(), N - 1);
    std::memcpy(campo, ansi.data(), n);
    campo[n] = '\0';
}

template <typename Acao> void NaJanela(Acao&& acao) {
    if (JanelaDiscagem* janela = JanelaRegistrada<JanelaDiscagem>::Atual())
        acao(*janela);
}

// Redial off takes a pending schedule with it, and the window shows it off everywhere at once.
void ApagaRediscar() {
    RediscarLigado = false;
    AgendamentoPendente = false;
    NaJanela([](JanelaDiscagem& janela) { janela.MostraRediscar(false); });
}

// After a failed dial the setting is stored too; after an empty entry name it is not.
void DesligaRediscarAposFalha() {
    ApagaRediscar();
    GravaTexto(tabela::RediscarLigado, TextoBooleano(false));
}

void MostraFalhaDiscagem(std::uint32_t codigo, const std::string& entrada) {
    switch (codigo) {
    case ERROR_PORT_ALREADY_OPEN:
        MsgBox("Porta Aberta", vbInformation);
        break;
    case ERROR_CANNOT_FIND_PHONEBOOK_ENTRY:
        MsgBox("Acesso a Rede Dial-UP " + entrada + " inexistente.");
        break;
    default:
        MsgBox("Erro interno ao discar. RetVal = " + std::to_string(codigo), vbCritical);
        break;
    }
}

} // namespace

// Redial is turned off before a message box rather than after it: the box runs the event loop, and
// with redial still on the redial timer would dial again inside it and stack box upon box.
void DiscaConexão(std::string& entrada, std::string& usuario, std::string& senha) {
    if (SemBrancos(entrada).empty()) {
        if (RediscarLigado)
            ApagaRediscar();
        MsgBox("Configure sua conexão!");
        NaJanela([](JanelaDiscagem& janela) { janela.AbreConfiguração(0); });
        return;
    }

    RASDIALPARAMSA parametros{};
    parametros.dwSize = sizeof parametros;
    CopiaCampo(parametros.szEntryName, entrada);
    if (!usuario.empty()) {
        CopiaCampo(parametros.szUserName, usuario);
        if (!senha.empty())
            CopiaCampo(parametros.szPassword, senha);
    }
    HRASCONN conexao = 0;
    const std::uint32_t codigo =
        RasDialA(nullptr, nullptr, &parametros, NotificadorMensagem, &NotificadorMensagem, &conexao);
    if (codigo != 0) {
        if (RediscarLigado)
            DesligaRediscarAposFalha();
        MostraFalhaDiscagem(codigo, entrada);
    }
    hConexão = conexao;
}

std::string TextoEstadoConexão() {
    RASCONNSTATUSA estado{};
    estado.dwSize = sizeof estado;
    RasGetConnectStatusA(hConexão, &estado);
    DoEvents();
    const RASCONNSTATE lido = estado.rasconnstate;
    DoEvents();
    switch (lido) {
    case RASCS_OpenPort:
        return "Sem Conexão.";
    case RASCS_ConnectDevice:
        return "Discando...";
    case RASCS_Authenticate:
        return "Verif. Nome e Senha...";
    case RASCS_Connected:
        return "Conectado.";
    case RASCS_Disconnected:
        DesligaConexão();
        return "Desconectando...";
    default:
        return "";
    }
}

// Called some sixty times a second: a listing that keeps failing is reported once, when the run of
// failures begins, and again only after a listing has succeeded. The mark is set before the box is
// shown, since the poller runs on inside it.
// The listing offers room for 256 connections but only the first record is read back, and the service
// writes no record past those it reports: clearing that one record is enough for a listing of none
// to leave a handle of 0, and spares the poller a 100 KB clear at every call.
bool ConexãoAtiva() {
    static RASCONNA conexoes[256];
    conexoes[0] = RASCONNA{};
    conexoes[0].dwSize = sizeof(RASCONNA);
    std::uint32_t bytes = sizeof conexoes;
    std::uint32_t quantas = 0;
    const std::uint32_t codigo = RasEnumConnectionsA(conexoes, &bytes, &quantas);
    if (codigo != 0) {
        if (!FalhaEnumeraçãoAvisada) {
            FalhaEnumeraçãoAvisada = true;
            MsgBox("Problemas " + std::to_string(codigo), vbCritical);
        }
        return false;
    }
    FalhaEnumeraçãoAvisada = false;

    hConexão = conexoes[0].hrasconn;
    RASCONNSTATUSA estado{};
    estado.dwSize = sizeof estado;
    const std::uint32_t resultado = RasGetConnectStatusA(hConexão, &estado);
    NaJanela([resultado](JanelaDiscagem& janela) { janela.MostraCódigoEstado(std::to_string(resultado)); });
    return estado.rasconnstate == RASCS_Authenticate || estado.rasconnstate == RASCS_Connected ||
           estado.rasconnstate == RASCS_Disconnected;
}

void DesligaConexão() { RasHangUpA(hConexão); }

void ListaEntradasDialUp() {
    EntradasDialUp[0].dwSize = sizeof(RASENTRYNAMEA);
    std::uint32_t bytes = sizeof(RASENTRYNAMEA) * 256;
    std::uint32_t quantas = 0;
    RasEnumEntriesA(nullptr, nullptr, EntradasDialUp.data(), &bytes, &quantas);
    TotalEntradas = static_cast<std::int16_t>(std::min<std::uint32_t>(quantas, 256));
    for (int i = 0; i < TotalEntradas; ++i) {
        const char* nome = EntradasDialUp[i].szEntryName;
        NomesEntradas[i] = DeCp1252({nome, ::strnlen(nome, sizeof EntradasDialUp[i].szEntryName)});
    }
}

} // namespace quelza
