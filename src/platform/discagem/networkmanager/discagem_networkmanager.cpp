#include "platform/discagem/networkmanager/discagem_networkmanager.h"

#include "platform/discagem/networkmanager/estado_nm.h"
#include "platform/texto/cp1252.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QLoggingCategory>
#include <QUuid>

#include <algorithm>
#include <cstring>
#include <functional>

namespace plataforma::nm {
namespace {

Q_LOGGING_CATEGORY(lcNm, "telvanor.networkmanager")

constexpr std::uint32_t PasswordAgentOwned = 1;

template <std::size_t N> void Copia(char (&campo)[N], std::string_view texto) {
    const std::size_t n = std::min(texto.size(), N - 1);
    std::memcpy(campo, texto.data(), n);
    campo[n] = '\0';
}

template <std::size_t N> std::string Texto(const char (&campo)[N]) { return {campo, ::strnlen(campo, N)}; }

void Apaga(std::string& texto) {
    std::fill(texto.begin(), texto.end(), '\0');
    texto.clear();
}

// A property's value as a reply or signal carries it: plain, or still marshalled.
template <class T> T Valor(const QVariant& valor) {
    if (valor.userType() == qMetaTypeId<QDBusVariant>())
        return Valor<T>(qvariant_cast<QDBusVariant>(valor).variant());
    if (valor.userType() == qMetaTypeId<QDBusArgument>())
        return qdbus_cast<T>(valor);
    return qvariant_cast<T>(valor);
}

// NetworkManager's (state, reason) pair of a device.
std::pair<std::uint32_t, std::uint32_t> EstadoERazao(const QVariant& valor) {
    const QVariant real = valor.userType() == qMetaTypeId<QDBusVariant>()
                              ? qvariant_cast<QDBusVariant>(valor).variant()
                              : valor;
    std::uint32_t estado = 0, razao = 0;
    if (real.userType() == qMetaTypeId<QDBusArgument>()) {
        const auto argumento = qvariant_cast<QDBusArgument>(real);
        argumento.beginStructure();
        argumento >> estado >> razao;
        argumento.endStructure();
    }
    return {estado, razao};
}

// The setting of a profile that holds the user name and password of its line.
QString SecaoCredenciais(const QString& tipo, const Configuracao& configuracao) {
    if (tipo == QLatin1String("bluetooth"))
        return configuracao.contains(QStringLiteral("cdma")) ? QStringLiteral("cdma") : QStringLiteral("gsm");
    return tipo;
}

} // namespace

DiscagemNetworkManager::DiscagemNetworkManager(QDBusConnection barramento, int prazoMs)
    : barramento_(std::move(barramento)), prazoMs_(prazoMs),
      vigia_(new QDBusServiceWatcher(Servico, barramento_, QDBusServiceWatcher::WatchForOwnerChange, this)),
      agente_([this] {
          if (discagem_)
              discagem_->recusada = true;
      }) {
    RegistraTipos();
    agenteExportado_ = barramento_.registerObject(CaminhoAgente, &agente_, QDBusConnection::ExportAllSlots);
    connect(vigia_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& novo) {
                if (presente_)
                    Sumiu();
                if (!novo.isEmpty())
                    Surgiu(novo);
            });

    const QString todos;
    barramento_.connect(Servico, todos, InterfacePropriedades, QStringLiteral("PropertiesChanged"), this,
                        SLOT(onPropertiesChanged(QString, QVariantMap, QStringList, QDBusMessage)));
    barramento_.connect(Servico, todos, InterfaceAtiva, QStringLiteral("StateChanged"), this,
                        SLOT(onActiveStateChanged(uint, uint, QDBusMessage)));
    barramento_.connect(Servico, todos, InterfaceDispositivo, QStringLiteral("StateChanged"), this,
                        SLOT(onDeviceStateChanged(uint, uint, uint, QDBusMessage)));
    barramento_.connect(Servico, CaminhoConfiguracoes, InterfaceConfiguracoes,
                        QStringLiteral("NewConnection"), this, SLOT(onNewConnection(QDBusObjectPath)));
    barramento_.connect(Servico, CaminhoConfiguracoes, InterfaceConfiguracoes,
                        QStringLiteral("ConnectionRemoved"), this,
                        SLOT(onConnectionRemoved(QDBusObjectPath)));
    barramento_.connect(Servico, todos, InterfacePerfil, QStringLiteral("Updated"), this,
                        SLOT(onConnectionUpdated(QDBusMessage)));
    barramento_.connect(Servico, CaminhoGerente, InterfaceGerente, QStringLiteral("CheckPermissions"), this,
                        SLOT(onCheckPermissions()));

    auto dono = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetNameOwner"));
    dono << QString(Servico);
    Envia(dono, [this](const QDBusMessage& resposta) {
        if (resposta.type() == QDBusMessage::ReplyMessage && !presente_)
            Surgiu(resposta.arguments().value(0).toString());
    });
}

DiscagemNetworkManager::~DiscagemNetworkManager() {
    if (discagem_)
        Apaga(discagem_->senha);
    if (agenteExportado_)
        barramento_.unregisterObject(CaminhoAgente);
    if (presente_)
        barramento_.send(Chamada(CaminhoAgentes, InterfaceAgentes, QStringLiteral("Unregister")));
}

QDBusMessage DiscagemNetworkManager::Chamada(QLatin1StringView caminho, QLatin1StringView interface,
                                             const QString& metodo) const {
    return Chamada(QString(caminho), interface, metodo);
}

QDBusMessage DiscagemNetworkManager::Chamada(const QString& caminho, QLatin1StringView interface,
                                             const QString& metodo) const {
    return QDBusMessage::createMethodCall(Servico, caminho, interface, metodo);
}

// Every call is asynchronous with the time-out; an answer from a NetworkManager that has gone since is
// dropped.
template <class Resposta>
void DiscagemNetworkManager::Envia(const QDBusMessage& mensagem, Resposta resposta) {
    auto* espera = new QDBusPendingCallWatcher(barramento_.asyncCall(mensagem, prazoMs_), this);
    const std::uint64_t geracao = geracao_;
    connect(espera, &QDBusPendingCallWatcher::finished, this,
            [this, espera, geracao, resposta = std::move(resposta)]() mutable {
                espera->deleteLater();
                const QDBusMessage recebida = espera->reply();
                if (recebida.type() == QDBusMessage::ErrorMessage)
                    qCInfo(lcNm) << "NetworkManager answered" << recebida.errorName()
                                 << recebida.errorMessage();
                if (geracao == geracao_)
                    resposta(recebida);
            });
}

void DiscagemNetworkManager::Surgiu(const QString& dono) {
    presente_ = true;
    agente_.DefineDono(dono);
    auto registro = Chamada(CaminhoAgentes, InterfaceAgentes, QStringLiteral("Register"));
    registro << QStringLiteral("e-Telvanor");
    Envia(registro, [](const QDBusMessage&) {});
    onCheckPermissions();

    ++perfisPendentes_;
    Envia(Chamada(CaminhoConfiguracoes, InterfaceConfiguracoes, QStringLiteral("ListConnections")),
          [this](const QDBusMessage& resposta) {
              --perfisPendentes_;
              if (resposta.type() == QDBusMessage::ReplyMessage)
                  for (const QDBusObjectPath& caminho :
                       Valor<QList<QDBusObjectPath>>(resposta.arguments().value(0)))
                      onNewConnection(caminho);
          });

    auto ativas = Chamada(CaminhoGerente, InterfacePropriedades, QStringLiteral("Get"));
    ativas << QString(InterfaceGerente) << QStringLiteral("ActiveConnections");
    Envia(ativas, [this](const QDBusMessage& resposta) {
        if (resposta.type() == QDBusMessage::ReplyMessage)
            AtualizaAtivas(Valor<QList<QDBusObjectPath>>(resposta.arguments().value(0)));
    });
}

void DiscagemNetworkManager::Sumiu() {
    ++geracao_;
    presente_ = false;
    perfisPendentes_ = 0;
    perfis_.clear();
    lendoAtivas_.clear();
    descartadas_.clear();
    listadas_.clear();
    std::erase_if(ligacoes_, [](const Ligacao& l) { return l.desligando; });
    for (Ligacao& ligacao : ligacoes_)
        Encerra(ligacao, ERROR_RASMAN_CANNOT_INITIALIZE);
}

void DiscagemNetworkManager::onCheckPermissions() {
    Envia(Chamada(CaminhoGerente, InterfaceGerente, QStringLiteral("GetPermissions")),
          [this](const QDBusMessage& resposta) {
              if (resposta.type() != QDBusMessage::ReplyMessage)
                  return;
              const auto permissoes = Valor<QMap<QString, QString>>(resposta.arguments().value(0));
              negado_ = permissoes.value(QStringLiteral("org.freedesktop.NetworkManager.network-control")) ==
                        QLatin1String("no");
          });
}

void DiscagemNetworkManager::onNewConnection(const QDBusObjectPath& caminho) {
    if (!PerfilPorCaminho(caminho.path())) {
        Perfil perfil;
        perfil.caminho = caminho.path();
        perfis_.push_back(std::move(perfil));
    }
    LePerfil(caminho.path());
}

void DiscagemNetworkManager::onConnectionRemoved(const QDBusObjectPath& caminho) {
    std::erase_if(perfis_, [&](const Perfil& p) { return p.caminho == caminho.path(); });
}

void DiscagemNetworkManager::onConnectionUpdated(const QDBusMessage& mensagem) {
    if (PerfilPorCaminho(mensagem.path()))
        LePerfil(mensagem.path());
}

void DiscagemNetworkManager::LePerfil(const QString& caminho) {
    ++perfisPendentes_;
    Envia(Chamada(caminho, InterfacePerfil, QStringLiteral("GetSettings")),
          [this, caminho](const QDBusMessage& resposta) {
              --perfisPendentes_;
              auto perfil = std::find_if(perfis_.begin(), perfis_.end(),
                                         [&](const Perfil& p) { return p.caminho == caminho; });
              if (perfil == perfis_.end() || resposta.type() != QDBusMessage::ReplyMessage)
                  return;
              const auto configuracao = Valor<Configuracao>(resposta.arguments().value(0));
              const QVariantMap conexao = configuracao.value(QStringLiteral("connection"));
              perfil->tipo = conexao.value(QStringLiteral("type")).toString();
              perfil->uuid = conexao.value(QStringLiteral("uuid")).toString();
              perfil->nome = ParaCp1252(conexao.value(QStringLiteral("id")).toString().toStdString());
              const QString bluetooth =
                  configuracao.value(QStringLiteral("bluetooth")).value(QStringLiteral("type")).toString();
              perfil->discavel = TipoDiscavel(perfil->tipo.toStdString(), bluetooth.toStdString()) &&
                                 !copias_.contains(perfil->uuid);
              const QVariantMap credenciais =
                  configuracao.value(SecaoCredenciais(perfil->tipo, configuracao));
              perfil->usuario = credenciais.value(QStringLiteral("username")).toString();
              // Flags 0: NetworkManager keeps the password itself and asks no agent.
              perfil->senhaGuardada = credenciais.value(QStringLiteral("password-flags")).toUInt() == 0;
              perfil->carregado = true;
          });
}

void DiscagemNetworkManager::AtualizaAtivas(const QList<QDBusObjectPath>& caminhos) {
    QSet<QString> atuais;
    for (const QDBusObjectPath& caminho : caminhos)
        atuais.insert(caminho.path());
    std::erase_if(ligacoes_, [&](const Ligacao& l) { return l.desligando && !atuais.contains(l.ativa); });
    for (Ligacao& ligacao : ligacoes_)
        if (!ligacao.ativa.isEmpty() && !atuais.contains(ligacao.ativa))
            Encerra(ligacao, CodigoDoFim(ligacao.razaoDispositivo, ligacao.razaoAtiva,
                                         ligacao.conectouEm.has_value()));
    descartadas_.intersect(atuais);
    listadas_ = atuais;
    for (const QString& caminho : atuais)
        if (!PorAtiva(caminho) && !lendoAtivas_.contains(caminho) && !descartadas_.contains(caminho))
            LeAtiva(caminho);
}

void DiscagemNetworkManager::LeAtiva(const QString& caminho) {
    lendoAtivas_.insert(caminho);
    auto leitura = Chamada(caminho, InterfacePropriedades, QStringLiteral("GetAll"));
    leitura << QString(InterfaceAtiva);
    Envia(leitura, [this, caminho](const QDBusMessage& resposta) {
        lendoAtivas_.remove(caminho);
        if (resposta.type() != QDBusMessage::ReplyMessage) {
            // Gone before it could be read: a dial that ended at once.
            const QString erro = resposta.errorName();
            const bool sumiu = erro == QLatin1String("org.freedesktop.DBus.Error.UnknownObject") ||
                               erro == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod");
            if (Ligacao* ligacao = PorAtiva(caminho); ligacao && sumiu && !ligacao->desligando)
                Encerra(*ligacao, CodigoDoFim(ligacao->razaoDispositivo, ligacao->razaoAtiva,
                                              ligacao->conectouEm.has_value()));
            return;
        }
        if (descartadas_.contains(caminho))
            return;
        const auto propriedades = Valor<QVariantMap>(resposta.arguments().value(0));
        if (Ligacao* conhecida = PorAtiva(caminho)) {
            AplicaAtiva(*conhecida, propriedades);
            return;
        }
        // An answer overtaken by the connection's leaving the list must not bring it back.
        if (!listadas_.contains(caminho))
            return;
        const QString tipo = propriedades.value(QStringLiteral("Type")).toString();
        const QString uuid = propriedades.value(QStringLiteral("Uuid")).toString();
        const QString perfil =
            Valor<QDBusObjectPath>(propriedades.value(QStringLiteral("Connection"))).path();
        const Perfil* conhecido = PerfilPorCaminho(perfil);
        const bool discavel =
            copias_.contains(uuid) ||
            (conhecido && conhecido->carregado ? conhecido->discavel : TipoDiscavel(tipo.toStdString(), ""));
        if (!discavel)
            return;
        Ligacao ligacao;
        ligacao.conexao = NovaConexao();
        ligacao.ativa = caminho;
        ligacao.perfil = perfil;
        ligacao.nome = ParaCp1252(propriedades.value(QStringLiteral("Id")).toString().toStdString());
        ligacao.tipo = tipo.toStdString();
        ligacoes_.push_back(ligacao);
        AplicaAtiva(ligacoes_.back(), propriedades);
    });
}

void DiscagemNetworkManager::AplicaAtiva(Ligacao& ligacao, const QVariantMap& propriedades) {
    if (propriedades.contains(QStringLiteral("State")))
        ligacao.estadoAtiva = Valor<uint>(propriedades.value(QStringLiteral("State")));
    if (propriedades.contains(QStringLiteral("Devices"))) {
        const auto dispositivos =
            Valor<QList<QDBusObjectPath>>(propriedades.value(QStringLiteral("Devices")));
        const QString dispositivo = dispositivos.isEmpty() ? QString() : dispositivos.first().path();
        if (dispositivo != ligacao.dispositivo) {
            ligacao.dispositivo = dispositivo;
            if (!dispositivo.isEmpty())
                LeDispositivo(dispositivo);
        }
    }
    // A deactivated connection is ended by the StateChanged signal, which brings the reason, or by
    // leaving the manager's list.
    Recalcula(ligacao);
}

void DiscagemNetworkManager::LeDispositivo(const QString& caminho) {
    auto leitura = Chamada(caminho, InterfacePropriedades, QStringLiteral("Get"));
    leitura << QString(InterfaceDispositivo) << QStringLiteral("StateReason");
    Envia(leitura, [this, caminho](const QDBusMessage& resposta) {
        if (resposta.type() != QDBusMessage::ReplyMessage)
            return;
        const auto [estado, razao] = EstadoERazao(resposta.arguments().value(0));
        for (Ligacao& ligacao : ligacoes_)
            if (ligacao.dispositivo == caminho && !ligacao.encerrada) {
                ligacao.estadoDispositivo = estado;
                ligacao.razaoDispositivo = razao;
                Recalcula(ligacao);
            }
    });
}

void DiscagemNetworkManager::onPropertiesChanged(const QString& interface, const QVariantMap& mudadas,
                                                 const QStringList&, const QDBusMessage& mensagem) {
    if (interface == InterfaceGerente && mensagem.path() == CaminhoGerente) {
        if (mudadas.contains(QStringLiteral("ActiveConnections")))
            AtualizaAtivas(Valor<QList<QDBusObjectPath>>(mudadas.value(QStringLiteral("ActiveConnections"))));
        return;
    }
    if (interface == InterfaceAtiva) {
        if (Ligacao* ligacao = PorAtiva(mensagem.path())) {
            AplicaAtiva(*ligacao, mudadas);
        }
        return;
    }
    if (interface == InterfaceDispositivo && mudadas.contains(QStringLiteral("StateReason"))) {
        const auto [estado, razao] = EstadoERazao(mudadas.value(QStringLiteral("StateReason")));
        onDeviceStateChanged(estado, 0, razao, mensagem);
    }
}

void DiscagemNetworkManager::onActiveStateChanged(uint estado, uint razao, const QDBusMessage& mensagem) {
    Ligacao* ligacao = PorAtiva(mensagem.path());
    if (!ligacao)
        return;
    ligacao->razaoAtiva = razao;
    ligacao->estadoAtiva = estado;
    Recalcula(*ligacao);
    if (estado == AtivaDesativada && !ligacao->desligando)
        Encerra(*ligacao, CodigoDoFim(ligacao->razaoDispositivo, razao, ligacao->conectouEm.has_value()));
}

void DiscagemNetworkManager::onDeviceStateChanged(uint novo, uint, uint razao, const QDBusMessage& mensagem) {
    for (Ligacao& ligacao : ligacoes_) {
        if (ligacao.dispositivo != mensagem.path() || ligacao.encerrada)
            continue;
        ligacao.estadoDispositivo = novo;
        if (razao != 0)
            ligacao.razaoDispositivo = razao;
        Recalcula(ligacao);
        if (novo >= DispositivoFalhou && !ligacao.desligando)
            Encerra(ligacao, CodigoDoFim(ligacao.razaoDispositivo, ligacao.razaoAtiva,
                                         ligacao.conectouEm.has_value()));
    }
}

void DiscagemNetworkManager::Recalcula(Ligacao& ligacao) {
    if (ligacao.encerrada || ligacao.desligando) {
        ligacao.estado = RASCS_Disconnected;
        return;
    }
    if (ligacao.ativa.isEmpty()) {
        ligacao.estado = RASCS_ConnectDevice;
        return;
    }
    ligacao.estado = EstadoRas(ligacao.estadoAtiva, ligacao.estadoDispositivo);
    if (ligacao.estado == RASCS_Connected && !ligacao.conectouEm) {
        ligacao.conectouEm = AgoraMonotono();
        // The password has done its work; it is not kept for the life of the line.
        if (discagem_ && discagem_->conexao == ligacao.conexao)
            TerminaDiscagem();
    }
}

void DiscagemNetworkManager::Encerra(Ligacao& ligacao, std::uint32_t codigo) {
    if (ligacao.encerrada)
        return;
    const bool daDiscagem = discagem_ && discagem_->conexao == ligacao.conexao;
    if (daDiscagem && discagem_->recusada)
        codigo = ERROR_AUTHENTICATION_FAILURE;
    ligacao.encerrada = true;
    ligacao.erro = codigo;
    Recalcula(ligacao);
    if (!ligacao.nossa)
        return;
    const InstanteMonotono agora = AgoraMonotono();
    if (codigo == ERROR_AUTHENTICATION_FAILURE && daDiscagem)
        espera_.Recusou(discagem_->credenciais, agora);
    else if (ligacao.conectouEm)
        espera_.Caiu(*ligacao.conectouEm, agora);
    else
        espera_.Falhou(agora);
    if (daDiscagem)
        TerminaDiscagem();
}

void DiscagemNetworkManager::TerminaDiscagem() {
    agente_.Cala();
    Apaga(discagem_->senha);
    discagem_.reset();
}

std::uint32_t DiscagemNetworkManager::Disca(const RASDIALPARAMSA& parametros, HRASCONN* conexao) {
    *conexao = 0;
    if (!presente_)
        return ERROR_RASMAN_CANNOT_INITIALIZE;
    if (negado_)
        return ERROR_ACCESS_DENIED_RAS;
    const Perfil* perfil = PerfilPorNome(Texto(parametros.szEntryName));
    if (!perfil)
        return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
    const bool emUso = std::any_of(ligacoes_.begin(), ligacoes_.end(), [&](const Ligacao& l) {
        return l.perfil == perfil->caminho && !l.encerrada && !l.desligando;
    });
    if (discagem_ || emUso)
        return ERROR_PORT_ALREADY_OPEN;

    Discagem discagem;
    discagem.senha = Texto(parametros.szPassword);
    const std::string usuario = Texto(parametros.szUserName);
    discagem.credenciais = std::hash<std::string>{}(perfil->nome + '\0' + usuario + '\0' + discagem.senha);
    if (espera_.Retida(discagem.credenciais, AgoraMonotono())) {
        Apaga(discagem.senha);
        return ERROR_AUTHENTICATION_FAILURE;
    }
    discagem.conexao = NovaConexao();
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

    Ligacao ligacao;
    ligacao.conexao = discagem.conexao;
    ligacao.perfil = perfil->caminho;
    ligacao.nome = perfil->nome;
    ligacao.tipo = perfil->tipo.toStdString();
    ligacao.nossa = true;
    ligacoes_.insert(ligacoes_.begin(), ligacao);
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
    const auto daMesma = [this, conexao] { return discagem_ && discagem_->conexao == conexao; };
    if (discagem.copia) {
        Envia(Chamada(discagem.perfil, InterfacePerfil, QStringLiteral("GetSettings")),
              [this, daMesma](const QDBusMessage& resposta) {
                  if (!daMesma())
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
    auto ativa = Chamada(CaminhoGerente, InterfaceGerente, QStringLiteral("ActivateConnection"));
    ativa << QVariant::fromValue(QDBusObjectPath(discagem.perfil))
          << QVariant::fromValue(QDBusObjectPath("/")) << QVariant::fromValue(QDBusObjectPath("/"));
    Envia(ativa, [this, daMesma](const QDBusMessage& resposta) {
        if (!daMesma())
            return;
        if (resposta.type() != QDBusMessage::ReplyMessage)
            FalhaAtivacao(CodigoDoErroDbus(resposta.errorName().toStdString()));
        else
            Ativou(Valor<QDBusObjectPath>(resposta.arguments().value(0)).path());
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
    copias_.insert(uuid);
    discagem.uuid = uuid;
    if (!discagem.senha.empty())
        agente_.Responde(uuid, discagem.senha);

    auto ativa = Chamada(CaminhoGerente, InterfaceGerente, QStringLiteral("AddAndActivate2"));
    ativa << QVariant::fromValue(configuracao) << QVariant::fromValue(QDBusObjectPath("/"))
          << QVariant::fromValue(QDBusObjectPath("/"))
          << QVariantMap{{QStringLiteral("persist"), QStringLiteral("volatile")}};
    const HRASCONN conexao = discagem.conexao;
    Envia(ativa, [this, conexao](const QDBusMessage& resposta) {
        if (!discagem_ || discagem_->conexao != conexao)
            return;
        if (resposta.type() != QDBusMessage::ReplyMessage)
            FalhaAtivacao(CodigoDoErroDbus(resposta.errorName().toStdString()));
        else
            Ativou(Valor<QDBusObjectPath>(resposta.arguments().value(1)).path());
    });
}

void DiscagemNetworkManager::Ativou(const QString& caminhoAtiva) {
    if (discagem_->cancelada) {
        descartadas_.insert(caminhoAtiva);
        std::erase_if(ligacoes_, [&](const Ligacao& l) { return l.ativa == caminhoAtiva; });
        auto desativa = Chamada(CaminhoGerente, InterfaceGerente, QStringLiteral("DeactivateConnection"));
        desativa << QVariant::fromValue(QDBusObjectPath(caminhoAtiva));
        Envia(desativa, [](const QDBusMessage&) {});
        TerminaDiscagem();
        return;
    }
    // The listing may have reached the connection before this answer did.
    std::erase_if(ligacoes_, [&](const Ligacao& l) { return l.ativa == caminhoAtiva && !l.nossa; });
    if (Ligacao* ligacao = PorConexao(discagem_->conexao)) {
        ligacao->ativa = caminhoAtiva;
        Recalcula(*ligacao);
    }
    LeAtiva(caminhoAtiva);
}

void DiscagemNetworkManager::FalhaAtivacao(std::uint32_t codigo) {
    if (discagem_->cancelada) {
        TerminaDiscagem();
        return;
    }
    if (Ligacao* ligacao = PorConexao(discagem_->conexao))
        Encerra(*ligacao, codigo);
    else
        TerminaDiscagem();
}

std::uint32_t DiscagemNetworkManager::Estado(HRASCONN conexao, RASCONNSTATUSA* estado) {
    Avanca();
    const Ligacao* ligacao = PorConexao(conexao);
    if (!ligacao)
        return ERROR_INVALID_HANDLE_RAS;
    estado->rasconnstate = ligacao->estado;
    estado->dwError = ligacao->erro;
    Copia(estado->szDeviceType, ligacao->tipo);
    Copia(estado->szDeviceName, ligacao->nome);
    return 0;
}

std::uint32_t DiscagemNetworkManager::Conexoes(RASCONNA* conexoes, std::uint32_t capacidade,
                                               std::uint32_t* quantas) {
    Avanca();
    *quantas = static_cast<std::uint32_t>(ligacoes_.size());
    for (std::uint32_t i = 0; i < *quantas && i < capacidade; ++i) {
        conexoes[i].hrasconn = ligacoes_[i].conexao;
        Copia(conexoes[i].szEntryName, ligacoes_[i].nome);
        Copia(conexoes[i].szDeviceType, ligacoes_[i].tipo);
        Copia(conexoes[i].szDeviceName, ligacoes_[i].nome);
    }
    return 0;
}

std::uint32_t DiscagemNetworkManager::Desliga(HRASCONN conexao) {
    Ligacao* ligacao = PorConexao(conexao);
    if (!ligacao)
        return ERROR_INVALID_HANDLE_RAS;
    if (ligacao->desligando)
        return 0;
    const bool daDiscagem = discagem_ && discagem_->conexao == conexao;
    if (ligacao->encerrada || ligacao->ativa.isEmpty()) {
        // Ended, or a dial NetworkManager has not named yet: an activation still to come is undone
        // when its answer arrives.
        if (daDiscagem) {
            if (discagem_->pedida)
                discagem_->cancelada = true;
            else
                TerminaDiscagem();
        }
        // NetworkManager may list an ended connection a while longer; it is not shown again.
        if (!ligacao->ativa.isEmpty())
            descartadas_.insert(ligacao->ativa);
        std::erase_if(ligacoes_, [&](const Ligacao& l) { return l.conexao == conexao; });
        return 0;
    }
    ligacao->desligando = true;
    Recalcula(*ligacao);
    if (daDiscagem)
        TerminaDiscagem();
    auto desativa = Chamada(CaminhoGerente, InterfaceGerente, QStringLiteral("DeactivateConnection"));
    desativa << QVariant::fromValue(QDBusObjectPath(ligacao->ativa));
    Envia(desativa, [this, conexao](const QDBusMessage& resposta) {
        if (resposta.type() == QDBusMessage::ReplyMessage)
            return;
        // Refused or unanswered: the line is shown as it really is again.
        if (Ligacao* recusada = PorConexao(conexao)) {
            recusada->desligando = false;
            Recalcula(*recusada);
        }
    });
    return 0;
}

std::uint32_t DiscagemNetworkManager::Entradas(RASENTRYNAMEA* entradas, std::uint32_t capacidade,
                                               std::uint32_t* quantas) {
    std::uint32_t total = 0;
    for (const Perfil& perfil : perfis_) {
        if (!perfil.carregado || !perfil.discavel)
            continue;
        if (total < capacidade)
            Copia(entradas[total].szEntryName, perfil.nome);
        ++total;
    }
    *quantas = total;
    return 0;
}

DiscagemNetworkManager::Ligacao* DiscagemNetworkManager::PorConexao(HRASCONN conexao) {
    for (Ligacao& ligacao : ligacoes_)
        if (ligacao.conexao == conexao)
            return &ligacao;
    return nullptr;
}

DiscagemNetworkManager::Ligacao* DiscagemNetworkManager::PorAtiva(const QString& caminho) {
    for (Ligacao& ligacao : ligacoes_)
        if (!ligacao.ativa.isEmpty() && ligacao.ativa == caminho)
            return &ligacao;
    return nullptr;
}

const DiscagemNetworkManager::Perfil* DiscagemNetworkManager::PerfilPorNome(const std::string& nome) const {
    for (const Perfil& perfil : perfis_)
        if (perfil.carregado && perfil.discavel && perfil.nome == nome)
            return &perfil;
    return nullptr;
}

const DiscagemNetworkManager::Perfil* DiscagemNetworkManager::PerfilPorCaminho(const QString& caminho) const {
    for (const Perfil& perfil : perfis_)
        if (perfil.caminho == caminho)
            return &perfil;
    return nullptr;
}

HRASCONN DiscagemNetworkManager::NovaConexao() {
    ultima_ = ultima_ + 1 == 0 ? 1 : ultima_ + 1;
    return ultima_;
}

} // namespace plataforma::nm
