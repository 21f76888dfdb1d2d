#include "platform/discagem/networkmanager/cache_nm.h"

#include "platform/discagem/networkmanager/estado_nm.h"
#include "platform/texto/cp1252.h"

#include <QDBusServiceWatcher>

#include <algorithm>

namespace plataforma::nm {
namespace {

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

} // namespace

CacheNm::CacheNm(BarramentoNm& barramento, ObservadorLigacoes& observador)
    : barramento_(barramento), observador_(observador),
      vigia_(new QDBusServiceWatcher(Servico, barramento.Conexao(), QDBusServiceWatcher::WatchForOwnerChange,
                                     this)) {
    connect(vigia_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& novo) {
                if (presente_)
                    Sumiu();
                if (!novo.isEmpty())
                    Surgiu(novo);
            });

    QDBusConnection& conexao = barramento_.Conexao();
    const QString todos;
    conexao.connect(Servico, todos, InterfacePropriedades, QStringLiteral("PropertiesChanged"), this,
                    SLOT(onPropertiesChanged(QString, QVariantMap, QStringList, QDBusMessage)));
    conexao.connect(Servico, todos, InterfaceAtiva, QStringLiteral("StateChanged"), this,
                    SLOT(onActiveStateChanged(uint, uint, QDBusMessage)));
    conexao.connect(Servico, todos, InterfaceDispositivo, QStringLiteral("StateChanged"), this,
                    SLOT(onDeviceStateChanged(uint, uint, uint, QDBusMessage)));
    conexao.connect(Servico, CaminhoConfiguracoes, InterfaceConfiguracoes, QStringLiteral("NewConnection"),
                    this, SLOT(onNewConnection(QDBusObjectPath)));
    conexao.connect(Servico, CaminhoConfiguracoes, InterfaceConfiguracoes,
                    QStringLiteral("ConnectionRemoved"), this, SLOT(onConnectionRemoved(QDBusObjectPath)));
    conexao.connect(Servico, todos, InterfacePerfil, QStringLiteral("Updated"), this,
                    SLOT(onConnectionUpdated(QDBusMessage)));
    conexao.connect(Servico, CaminhoGerente, InterfaceGerente, QStringLiteral("CheckPermissions"), this,
                    SLOT(onCheckPermissions()));

    auto dono = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetNameOwner"));
    dono << QString(Servico);
    barramento_.Envia(dono, [this](const QDBusMessage& resposta) {
        if (resposta.type() == QDBusMessage::ReplyMessage && !presente_)
            Surgiu(resposta.arguments().value(0).toString());
    });
}

void CacheNm::Surgiu(const QString& dono) {
    presente_ = true;
    observador_.Surgiu(dono);
    onCheckPermissions();

    ++perfisPendentes_;
    barramento_.Envia(BarramentoNm::Chamada(CaminhoConfiguracoes, InterfaceConfiguracoes,
                                            QStringLiteral("ListConnections")),
                      [this](const QDBusMessage& resposta) {
                          --perfisPendentes_;
                          if (resposta.type() == QDBusMessage::ReplyMessage)
                              for (const QDBusObjectPath& caminho :
                                   Valor<QList<QDBusObjectPath>>(resposta.arguments().value(0)))
                                  onNewConnection(caminho);
                      });

    auto ativas = BarramentoNm::Chamada(CaminhoGerente, InterfacePropriedades, QStringLiteral("Get"));
    ativas << QString(InterfaceGerente) << QStringLiteral("ActiveConnections");
    barramento_.Envia(ativas, [this](const QDBusMessage& resposta) {
        if (resposta.type() == QDBusMessage::ReplyMessage)
            AtualizaAtivas(Valor<QList<QDBusObjectPath>>(resposta.arguments().value(0)));
    });
}

void CacheNm::Sumiu() {
    barramento_.Esquece();
    presente_ = false;
    perfisPendentes_ = 0;
    perfis_.clear();
    lendoAtivas_.clear();
    descartadas_.clear();
    listadas_.clear();
    std::erase_if(ligacoes_, [](const LigacaoNm& l) { return l.desligando; });
    for (LigacaoNm& ligacao : ligacoes_)
        Encerra(ligacao, ERROR_RASMAN_CANNOT_INITIALIZE);
}

void CacheNm::onCheckPermissions() {
    barramento_.Envia(
        BarramentoNm::Chamada(CaminhoGerente, InterfaceGerente, QStringLiteral("GetPermissions")),
        [this](const QDBusMessage& resposta) {
            if (resposta.type() != QDBusMessage::ReplyMessage)
                return;
            const auto permissoes = Valor<QMap<QString, QString>>(resposta.arguments().value(0));
            negado_ = permissoes.value(QStringLiteral("org.freedesktop.NetworkManager.network-control")) ==
                      QLatin1String("no");
        });
}

void CacheNm::onNewConnection(const QDBusObjectPath& caminho) {
    if (!PerfilPorCaminho(caminho.path())) {
        PerfilNm perfil;
        perfil.caminho = caminho.path();
        perfis_.push_back(std::move(perfil));
    }
    LePerfil(caminho.path());
}

void CacheNm::onConnectionRemoved(const QDBusObjectPath& caminho) {
    std::erase_if(perfis_, [&](const PerfilNm& p) { return p.caminho == caminho.path(); });
}

void CacheNm::onConnectionUpdated(const QDBusMessage& mensagem) {
    if (PerfilPorCaminho(mensagem.path()))
        LePerfil(mensagem.path());
}

void CacheNm::LePerfil(const QString& caminho) {
    ++perfisPendentes_;
    barramento_.Envia(BarramentoNm::Chamada(caminho, InterfacePerfil, QStringLiteral("GetSettings")),
                      [this, caminho](const QDBusMessage& resposta) {
                          --perfisPendentes_;
                          auto perfil = std::find_if(perfis_.begin(), perfis_.end(),
                                                     [&](const PerfilNm& p) { return p.caminho == caminho; });
                          if (perfil == perfis_.end() || resposta.type() != QDBusMessage::ReplyMessage)
                              return;
                          PreenchePerfil(*perfil, Valor<Configuracao>(resposta.arguments().value(0)));
                          // This program's copies of profiles are never entries.
                          perfil->discavel = perfil->discavel && !copias_.contains(perfil->uuid);
                      });
}

void CacheNm::AtualizaAtivas(const QList<QDBusObjectPath>& caminhos) {
    QSet<QString> atuais;
    for (const QDBusObjectPath& caminho : caminhos)
        atuais.insert(caminho.path());
    std::erase_if(ligacoes_, [&](const LigacaoNm& l) { return l.desligando && !atuais.contains(l.ativa); });
    for (LigacaoNm& ligacao : ligacoes_)
        if (!ligacao.ativa.isEmpty() && !atuais.contains(ligacao.ativa))
            Termina(ligacao);
    descartadas_.intersect(atuais);
    listadas_ = atuais;
    for (const QString& caminho : atuais)
        if (!PorAtiva(caminho) && !lendoAtivas_.contains(caminho) && !descartadas_.contains(caminho))
            LeAtiva(caminho);
}

void CacheNm::LeAtiva(const QString& caminho) {
    lendoAtivas_.insert(caminho);
    auto leitura = BarramentoNm::Chamada(caminho, InterfacePropriedades, QStringLiteral("GetAll"));
    leitura << QString(InterfaceAtiva);
    barramento_.Envia(leitura, [this, caminho](const QDBusMessage& resposta) {
        lendoAtivas_.remove(caminho);
        if (resposta.type() != QDBusMessage::ReplyMessage) {
            // Gone before it could be read: a dial that ended at once.
            const QString erro = resposta.errorName();
            const bool sumiu = erro == QLatin1String("org.freedesktop.DBus.Error.UnknownObject") ||
                               erro == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod");
            if (LigacaoNm* ligacao = PorAtiva(caminho); ligacao && sumiu && !ligacao->desligando)
                Termina(*ligacao);
            return;
        }
        if (descartadas_.contains(caminho))
            return;
        const auto propriedades = Valor<QVariantMap>(resposta.arguments().value(0));
        if (LigacaoNm* conhecida = PorAtiva(caminho)) {
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
        const PerfilNm* conhecido = PerfilPorCaminho(perfil);
        const bool discavel =
            copias_.contains(uuid) ||
            (conhecido && conhecido->carregado ? conhecido->discavel : TipoDiscavel(tipo.toStdString(), ""));
        if (!discavel)
            return;
        LigacaoNm ligacao;
        ligacao.conexao = NovaConexao();
        ligacao.ativa = caminho;
        ligacao.perfil = perfil;
        ligacao.nome = ParaCp1252(propriedades.value(QStringLiteral("Id")).toString().toStdString());
        ligacao.tipo = tipo.toStdString();
        ligacoes_.push_back(ligacao);
        AplicaAtiva(ligacoes_.back(), propriedades);
    });
}

void CacheNm::AplicaAtiva(LigacaoNm& ligacao, const QVariantMap& propriedades) {
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

void CacheNm::LeDispositivo(const QString& caminho) {
    auto leitura = BarramentoNm::Chamada(caminho, InterfacePropriedades, QStringLiteral("Get"));
    leitura << QString(InterfaceDispositivo) << QStringLiteral("StateReason");
    barramento_.Envia(leitura, [this, caminho](const QDBusMessage& resposta) {
        if (resposta.type() != QDBusMessage::ReplyMessage)
            return;
        const auto [estado, razao] = EstadoERazao(resposta.arguments().value(0));
        for (LigacaoNm& ligacao : ligacoes_)
            if (ligacao.dispositivo == caminho && !ligacao.encerrada) {
                ligacao.estadoDispositivo = estado;
                ligacao.razaoDispositivo = razao;
                Recalcula(ligacao);
            }
    });
}

void CacheNm::onPropertiesChanged(const QString& interface, const QVariantMap& mudadas, const QStringList&,
                                  const QDBusMessage& mensagem) {
    if (interface == InterfaceGerente && mensagem.path() == CaminhoGerente) {
        if (mudadas.contains(QStringLiteral("ActiveConnections")))
            AtualizaAtivas(Valor<QList<QDBusObjectPath>>(mudadas.value(QStringLiteral("ActiveConnections"))));
        return;
    }
    if (interface == InterfaceAtiva) {
        if (LigacaoNm* ligacao = PorAtiva(mensagem.path()))
            AplicaAtiva(*ligacao, mudadas);
        return;
    }
    if (interface == InterfaceDispositivo && mudadas.contains(QStringLiteral("StateReason"))) {
        const auto [estado, razao] = EstadoERazao(mudadas.value(QStringLiteral("StateReason")));
        onDeviceStateChanged(estado, 0, razao, mensagem);
    }
}

void CacheNm::onActiveStateChanged(uint estado, uint razao, const QDBusMessage& mensagem) {
    LigacaoNm* ligacao = PorAtiva(mensagem.path());
    if (!ligacao)
        return;
    ligacao->razaoAtiva = razao;
    ligacao->estadoAtiva = estado;
    Recalcula(*ligacao);
    if (estado == AtivaDesativada && !ligacao->desligando)
        Termina(*ligacao);
}

void CacheNm::onDeviceStateChanged(uint novo, uint, uint razao, const QDBusMessage& mensagem) {
    for (LigacaoNm& ligacao : ligacoes_) {
        if (ligacao.dispositivo != mensagem.path() || ligacao.encerrada)
            continue;
        ligacao.estadoDispositivo = novo;
        if (razao != 0)
            ligacao.razaoDispositivo = razao;
        Recalcula(ligacao);
        if (novo >= DispositivoFalhou && !ligacao.desligando)
            Termina(ligacao);
    }
}

void CacheNm::Recalcula(LigacaoNm& ligacao) {
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
        observador_.Conectou(ligacao);
    }
}

void CacheNm::Encerra(LigacaoNm& ligacao, std::uint32_t codigo) {
    if (ligacao.encerrada)
        return;
    ligacao.encerrada = true;
    ligacao.estado = RASCS_Disconnected;
    ligacao.erro = observador_.Encerrou(ligacao, codigo);
}

void CacheNm::Termina(LigacaoNm& ligacao) {
    Encerra(ligacao,
            CodigoDoFim(ligacao.razaoDispositivo, ligacao.razaoAtiva, ligacao.conectouEm.has_value()));
}

void CacheNm::AcrescentaDiscagem(const LigacaoNm& ligacao) { ligacoes_.insert(ligacoes_.begin(), ligacao); }

void CacheNm::Ativou(HRASCONN conexao, const QString& ativa) {
    // The listing may have reached the connection before this answer did.
    std::erase_if(ligacoes_, [&](const LigacaoNm& l) { return l.ativa == ativa && !l.nossa; });
    if (LigacaoNm* ligacao = PorConexao(conexao)) {
        ligacao->ativa = ativa;
        Recalcula(*ligacao);
    }
    LeAtiva(ativa);
}

void CacheNm::Retira(HRASCONN conexao) {
    if (const LigacaoNm* ligacao = PorConexao(conexao); ligacao && !ligacao->ativa.isEmpty())
        descartadas_.insert(ligacao->ativa);
    std::erase_if(ligacoes_, [&](const LigacaoNm& l) { return l.conexao == conexao; });
}

void CacheNm::Descarta(const QString& ativa) {
    descartadas_.insert(ativa);
    std::erase_if(ligacoes_, [&](const LigacaoNm& l) { return l.ativa == ativa; });
}

void CacheNm::Desligando(LigacaoNm& ligacao, bool desligando) {
    ligacao.desligando = desligando;
    Recalcula(ligacao);
}

LigacaoNm* CacheNm::PorConexao(HRASCONN conexao) {
    for (LigacaoNm& ligacao : ligacoes_)
        if (ligacao.conexao == conexao)
            return &ligacao;
    return nullptr;
}

LigacaoNm* CacheNm::PorAtiva(const QString& caminho) {
    for (LigacaoNm& ligacao : ligacoes_)
        if (!ligacao.ativa.isEmpty() && ligacao.ativa == caminho)
            return &ligacao;
    return nullptr;
}

bool CacheNm::PerfilEmUso(const QString& perfil) const {
    return std::any_of(ligacoes_.begin(), ligacoes_.end(), [&](const LigacaoNm& l) {
        return l.perfil == perfil && !l.encerrada && !l.desligando;
    });
}

const PerfilNm* CacheNm::PerfilPorNome(std::string_view nome) const {
    for (const PerfilNm& perfil : perfis_)
        if (perfil.carregado && perfil.discavel && perfil.nome == nome)
            return &perfil;
    return nullptr;
}

const PerfilNm* CacheNm::PerfilPorCaminho(const QString& caminho) const {
    for (const PerfilNm& perfil : perfis_)
        if (perfil.caminho == caminho)
            return &perfil;
    return nullptr;
}

HRASCONN CacheNm::NovaConexao() {
    ultima_ = ultima_ + 1 == 0 ? 1 : ultima_ + 1;
    return ultima_;
}

} // namespace plataforma::nm
