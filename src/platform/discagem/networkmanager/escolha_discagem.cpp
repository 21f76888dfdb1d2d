#include "platform/discagem/networkmanager/escolha_discagem.h"

#include "platform/discagem/networkmanager/discagem_networkmanager.h"
#include "platform/discagem/networkmanager/tipos_nm.h"
#include "platform/discagem/ras.h"
#include "platform/discagem/simulada/linha_simulada.h"
#include "platform/nucleo/escolha_backend.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace plataforma::nm {
namespace {

constexpr int PrazoPerguntaMs = 2000;

bool HaConexao() {
    RASCONNA conexao{};
    conexao.dwSize = sizeof conexao;
    std::uint32_t bytes = sizeof conexao;
    std::uint32_t quantas = 0;
    const std::uint32_t codigo = RasEnumConnectionsA(&conexao, &bytes, &quantas);
    return codigo == ERROR_BUFFER_TOO_SMALL || quantas > 0;
}

} // namespace

bool EscolheNetworkManager(std::string_view valor) {
    const auto inicio = valor.find_first_not_of(' ');
    if (inicio == std::string_view::npos)
        return false;
    valor = valor.substr(inicio, valor.find_last_not_of(' ') - inicio + 1);
    return std::equal(valor.begin(), valor.end(), ValorNetworkManager.begin(), ValorNetworkManager.end(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool NetworkManagerResponde() {
    auto pergunta = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    pergunta << QString(Servico);
    const QDBusMessage resposta = QDBusConnection::systemBus().call(pergunta, QDBus::Block, PrazoPerguntaMs);
    return resposta.type() == QDBusMessage::ReplyMessage && resposta.arguments().value(0).toBool();
}

bool AplicaEscolhaDiscagem(std::string_view valor, bool mesmoComConexao) {
    // Unknown until the first choice, which always puts its service in place.
    static std::optional<bool> networkManager;
    const bool escolhido = EscolheNetworkManager(valor);
    if (networkManager == escolhido)
        return true;
    if (!mesmoComConexao && HaConexao())
        return false;
    networkManager = escolhido;
    DefineBackend<ServicoDiscagem>(
        escolhido ? std::shared_ptr<ServicoDiscagem>(
                        std::make_shared<DiscagemNetworkManager>(QDBusConnection::systemBus()))
                  : ServicoLinhaSimulada());
    return true;
}

} // namespace plataforma::nm
