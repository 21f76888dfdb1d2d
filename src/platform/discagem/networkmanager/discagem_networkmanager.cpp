#include "platform/discagem/networkmanager/discagem_networkmanager.h"

#include "platform/discagem/networkmanager/estado_nm.h"
#include "platform/discagem/networkmanager/registros_nm.h"
#include "platform/texto/cp1252.h"

#include <QUuid>

#include <algorithm>
#include <functional>

namespace plataforma::nm {
namespace {

constexpr std::uint32_t PasswordAgentOwned = 1;

void Apaga(std::string& texto) {
    std::fill(texto.begin(), texto.end(), '\0');
    texto.clear();
}

} // namespace

DiscagemNetworkManager::DiscagemNetworkManager(QDBusConnection barramento, int prazoMs)
    : barramento_(std::move(barramento), prazoMs), agente_([this] {
          if (discagem_)
              discagem_->recusada = true;
      }),
      agenteExportado_(
          barramento_.Conexao().registerObject(CaminhoAgente, &agente_, QDBusConnection::ExportAllSlots)),
      cache_(barramento_, *this) {}

DiscagemNetworkManager::~DiscagemNetworkManager() {
    if (discagem_)
        Apaga(discagem_->senha);
    if (agenteExportado_)
        barramento_.Conexao().unregisterObject(CaminhoAgente);
    if (cache_.Presente())
        barramento_.Conexao().send(
            BarramentoNm::Chamada(CaminhoAgentes, InterfaceAgentes, QStringLiteral("Unregister")));
}

void DiscagemNetworkManager::Surgiu(const QString& dono) {
    agente_.DefineDono(dono);
    auto registro = BarramentoNm::Chamada(CaminhoAgentes, InterfaceAgentes, QStringLiteral("Register"));
    registro << QStringLiteral("e-Telvanor");
    barramento_.Envia(registro, [](const QDBusMessage&) {});
}

// The password has done its work; it is not kept for the life of the line.
void DiscagemNetworkManager::Conectou(const LigacaoNm& ligacao) {
    if (DaDiscagem(ligacao.conexao))
        TerminaDiscagem();
}

std::uint32_t DiscagemNetworkManager::Encerrou(const LigacaoNm& ligacao, std::uint32_t codigo) {
    const bool daDiscagem = DaDiscagem(ligacao.conexao);
    if (daDiscagem && discagem_->recusada)
        codigo = ERROR_AUTHENTICATION_FAILURE;
    if (!ligacao.nossa)
        return codigo;
    const InstanteMonotono agora = AgoraMonotono();
    if (codigo == ERROR_AUTHENTICATION_FAILURE && daDiscagem)
        espera_.Recusou(discagem_->credenciais, agora);
    else if (ligacao.conectouEm)
        espera_.Caiu(*ligacao.conectouEm, agora);
    else
        espera_.Falhou(agora);
    if (daDiscagem)
        TerminaDiscagem();
    return codigo;
}

void DiscagemNetworkManager::TerminaDiscagem() {
    agente_.Cala();
    Apaga(discagem_->senha);
    discagem_.reset();
}

std::uint32_t DiscagemNetworkManager::Disca(const RASDIALPARAMSA& parametros, HRASCONN* conexao) {
    *conexao = 0;
    if (!cache_.Presente())
        return ERROR_RASMAN_CANNOT_INITIALIZE;
    if (cache_.Negado())
        return ERROR_ACCESS_DENIED_RAS;
    const PerfilNm* perfil = cache_.PerfilPorNome(TextoCampo(parametros.szEntryName));
    if (!perfil)
        return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
    if (discagem_ || cache_.PerfilEmUso(perfil->caminho))
        return ERROR_PORT_ALREADY_OPEN;

    Discagem discagem;
    discagem.senha = TextoCampo(parametros.szPassword);
    const std::string usuario(TextoCampo(parametros.szUserName));
    discagem.credenciais = std::hash<std::string>{}(perfil->nome + '\0' + usuario + '\0' + discagem.senha);
    if (espera_.Retida(discagem.credenciais, AgoraMonotono())) {
        Apaga(discagem.senha);
        return ERROR_AUTHENTICATION_FAILURE;
    }
    discagem.conexao = cache_.NovaConexao();
    discagem.perfil = perfil->caminho;
    discagem.uuid = perfil->uuid;
    discagem.tipo = perfil->tipo;
    // The dial's credentials go into a copy when the profile holds another user name, or keeps a
    // password of its own that NetworkManager would use without asking the agent. A VPN's credentials
    // belong to its plug-in's settings: the profile's own hold.
    const bool outroUsuario =
        !usuario.empty() && QString::fromStdString(DeCp1252(usuario)) != perfil->usuario;
    const bool senhaIgnorada = !discagem.senha.empty() && perfil->senhaGuardada;
    discagem.copia = perfil->tipo != QLatin1String("vpn") && (outroUsuario || senhaIgnorada);
    discagem.usuario = usuario;

    LigacaoNm ligacao;
    ligacao.conexao = discagem.conexao;
    ligacao.perfil = perfil->caminho;
    ligacao.nome = perfil->nome;
    ligacao.tipo = perfil->tipo.toStdString();
    ligacao.nossa = true;
    cache_.AcrescentaDiscagem(ligacao);
    discagem_ = std::move(discagem);
    *conexao = discagem_->conexao;
    Avanca();
    return 0;
}

// Asked from the status queries the poller makes anyway: a dial held back by the wait starts on the
// first query after its turn, without a timer of its own.
void DiscagemNetworkManager::Avanca() {
    if (discagem_ && !discagem_->pedida && AgoraMonotono() >= espera_.Liberada())
        Ativa();
}

void DiscagemNetworkManager::Ativa() {
    Discagem& discagem = *discagem_;
    discagem.pedida = true;
    const HRASCONN conexao = discagem.conexao;
    if (discagem.copia) {
        barramento_.Envia(
            BarramentoNm::Chamada(discagem.perfil, InterfacePerfil, QStringLiteral("GetSettings")),
            [this, conexao](const QDBusMessage& resposta) {
                if (!DaDiscagem(conexao))
                    return;
                if (discagem_->cancelada)
                    TerminaDiscagem();
                else if (resposta.type() != QDBusMessage::ReplyMessage)
                    FalhaAtivacao(CodigoDoErroDbus(resposta.errorName().toStdString()));
                else
                    AtivaCopia(Valor<Configuracao>(resposta.arguments().value(0)));
            });
        return;
    }
    if (!discagem.senha.empty())
        agente_.Responde(discagem.uuid, discagem.senha);
    auto ativa =
        BarramentoNm::Chamada(CaminhoGerente, InterfaceGerente, QStringLiteral("ActivateConnection"));
    ativa << QVariant::fromValue(QDBusObjectPath(discagem.perfil))
          << QVariant::fromValue(QDBusObjectPath("/")) << QVariant::fromValue(QDBusObjectPath("/"));
    EnviaAtivacao(ativa, conexao, 0);
}

// Sends an activation; the active connection's path is argument `argumento` of the reply. A reply
// that comes after the dial ended or another began is dropped.
void DiscagemNetworkManager::EnviaAtivacao(const QDBusMessage& ativa, HRASCONN conexao, int argumento) {
    barramento_.Envia(ativa, [this, conexao, argumento](const QDBusMessage& resposta) {
        if (!DaDiscagem(conexao))
            return;
        if (resposta.type() != QDBusMessage::ReplyMessage)
            FalhaAtivacao(CodigoDoErroDbus(resposta.errorName().toStdString()));
        else
            Ativou(Valor<QDBusObjectPath>(resposta.arguments().value(argumento)).path());
    });
}

// The copy NetworkManager forgets when it goes down, so the user's saved profile is never changed.
// Its password is left to agents, so that the one given to the dial is the one used.
void DiscagemNetworkManager::AtivaCopia(Configuracao configuracao) {
    Discagem& discagem = *discagem_;
    const QString secao = SecaoCredenciais(discagem.tipo, configuracao);
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    configuracao[QStringLiteral("connection")][QStringLiteral("uuid")] = uuid;
    if (!discagem.usuario.empty())
        configuracao[secao][QStringLiteral("username")] = QString::fromStdString(DeCp1252(discagem.usuario));
    configuracao[secao][QStringLiteral("password-flags")] = QVariant::fromValue(PasswordAgentOwned);
    cache_.MarcaCopia(uuid);
    discagem.uuid = uuid;
    if (!discagem.senha.empty())
        agente_.Responde(uuid, discagem.senha);

    auto ativa = BarramentoNm::Chamada(CaminhoGerente, InterfaceGerente, QStringLiteral("AddAndActivate2"));
    ativa << QVariant::fromValue(configuracao) << QVariant::fromValue(QDBusObjectPath("/"))
          << QVariant::fromValue(QDBusObjectPath("/"))
          << QVariantMap{{QStringLiteral("persist"), QStringLiteral("volatile")}};
    EnviaAtivacao(ativa, discagem.conexao, 1);
}

void DiscagemNetworkManager::Ativou(const QString& caminhoAtiva) {
    if (discagem_->cancelada) {
        cache_.Descarta(caminhoAtiva);
        auto desativa =
            BarramentoNm::Chamada(CaminhoGerente, InterfaceGerente, QStringLiteral("DeactivateConnection"));
        desativa << QVariant::fromValue(QDBusObjectPath(caminhoAtiva));
        barramento_.Envia(desativa, [](const QDBusMessage&) {});
        TerminaDiscagem();
        return;
    }
    cache_.Ativou(discagem_->conexao, caminhoAtiva);
}

void DiscagemNetworkManager::FalhaAtivacao(std::uint32_t codigo) {
    if (discagem_->cancelada) {
        TerminaDiscagem();
        return;
    }
    if (LigacaoNm* ligacao = cache_.PorConexao(discagem_->conexao))
        cache_.Encerra(*ligacao, codigo);
    else
        TerminaDiscagem();
}

std::uint32_t DiscagemNetworkManager::Estado(HRASCONN conexao, RASCONNSTATUSA* estado) {
    Avanca();
    const LigacaoNm* ligacao = cache_.PorConexao(conexao);
    if (!ligacao)
        return ERROR_INVALID_HANDLE_RAS;
    PreencheEstado(*ligacao, *estado);
    return 0;
}

std::uint32_t DiscagemNetworkManager::Conexoes(RASCONNA* conexoes, std::uint32_t capacidade,
                                               std::uint32_t* quantas) {
    Avanca();
    *quantas = ListaConexoes(cache_.Ligacoes(), conexoes, capacidade);
    return 0;
}

std::uint32_t DiscagemNetworkManager::Desliga(HRASCONN conexao) {
    LigacaoNm* ligacao = cache_.PorConexao(conexao);
    if (!ligacao)
        return ERROR_INVALID_HANDLE_RAS;
    if (ligacao->desligando)
        return 0;
    const bool daDiscagem = DaDiscagem(conexao);
    if (ligacao->encerrada || ligacao->ativa.isEmpty()) {
        // Ended, or a dial NetworkManager has not named yet: an activation still to come is undone
        // when its answer arrives.
        if (daDiscagem) {
            if (discagem_->pedida)
                discagem_->cancelada = true;
            else
                TerminaDiscagem();
        }
        cache_.Retira(conexao);
        return 0;
    }
    cache_.Desligando(*ligacao, true);
    if (daDiscagem)
        TerminaDiscagem();
    auto desativa =
        BarramentoNm::Chamada(CaminhoGerente, InterfaceGerente, QStringLiteral("DeactivateConnection"));
    desativa << QVariant::fromValue(QDBusObjectPath(ligacao->ativa));
    barramento_.Envia(desativa, [this, conexao](const QDBusMessage& resposta) {
        if (resposta.type() == QDBusMessage::ReplyMessage)
            return;
        // Refused or unanswered: the line is shown as it really is again.
        if (LigacaoNm* recusada = cache_.PorConexao(conexao))
            cache_.Desligando(*recusada, false);
    });
    return 0;
}

std::uint32_t DiscagemNetworkManager::Entradas(RASENTRYNAMEA* entradas, std::uint32_t capacidade,
                                               std::uint32_t* quantas) {
    *quantas = ListaEntradas(cache_.Perfis(), entradas, capacidade);
    return 0;
}

} // namespace plataforma::nm
