// The dial-up service on NetworkManager over the system bus. Entries are the dial-up profiles; a dial
// activates one (or a one-activation copy carrying the dial's user name), its password reaching
// NetworkManager through the program's secret agent; states and codes are kept from NetworkManager's
// signals, so the status query and the listing answer from memory. Every call to NetworkManager is
// asynchronous, with a time-out. Connections started by other tools are listed too and can be hung
// up. A failed attempt delays the next one (EsperaRediscagem).
#pragma once

#include "platform/discagem/networkmanager/agente_segredos.h"
#include "platform/discagem/networkmanager/espera_rediscagem.h"
#include "platform/discagem/ras.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QSet>

#include <optional>
#include <string>
#include <vector>

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

namespace plataforma::nm {

class DiscagemNetworkManager final : public QObject, public ServicoDiscagem {
    Q_OBJECT

public:
    static constexpr int PrazoPadraoMs = 2000;

    // `prazoMs`: how long any call to NetworkManager may go unanswered.
    explicit DiscagemNetworkManager(QDBusConnection barramento, int prazoMs = PrazoPadraoMs);
    ~DiscagemNetworkManager() override;

    std::uint32_t Disca(const RASDIALPARAMSA& parametros, HRASCONN* conexao) override;
    std::uint32_t Estado(HRASCONN conexao, RASCONNSTATUSA* estado) override;
    std::uint32_t Conexoes(RASCONNA* conexoes, std::uint32_t capacidade, std::uint32_t* quantas) override;
    std::uint32_t Desliga(HRASCONN conexao) override;
    std::uint32_t Entradas(RASENTRYNAMEA* entradas, std::uint32_t capacidade,
                           std::uint32_t* quantas) override;

    // True once NetworkManager has answered and its profiles are known.
    bool Pronto() const { return presente_ && perfisPendentes_ == 0; }

private Q_SLOTS:
    void onPropertiesChanged(const QString& interface, const QVariantMap& mudadas,
                             const QStringList& invalidadas, const QDBusMessage& mensagem);
    void onActiveStateChanged(uint estado, uint razao, const QDBusMessage& mensagem);
    void onDeviceStateChanged(uint novo, uint antigo, uint razao, const QDBusMessage& mensagem);
    void onNewConnection(const QDBusObjectPath& caminho);
    void onConnectionRemoved(const QDBusObjectPath& caminho);
    void onConnectionUpdated(const QDBusMessage& mensagem);
    void onCheckPermissions();

private:
    struct Perfil {
        QString caminho;
        bool carregado = false;
        bool discavel = false;
        std::string nome; // Windows-1252, as the records carry it
        QString tipo;
        QString uuid;
        QString usuario;
        bool senhaGuardada = false;
    };

    // One connection as the calls list it: an active connection of NetworkManager, or this
    // program's dial before NetworkManager has one for it.
    struct Ligacao {
        HRASCONN conexao = 0;
        QString ativa;
        QString perfil;
        std::string nome;
        std::string tipo;
        QString dispositivo;
        std::uint32_t estadoAtiva = 0;
        std::uint32_t estadoDispositivo = 0;
        std::uint32_t razaoAtiva = 0;
        std::uint32_t razaoDispositivo = 0;
        bool nossa = false;
        bool desligando = false;
        bool encerrada = false; // reads disconnected, with `erro`, until hung up
        std::uint32_t erro = 0;
        std::optional<InstanteMonotono> conectouEm;
        RASCONNSTATE estado = RASCS_ConnectDevice;
    };

    struct Discagem {
        HRASCONN conexao = 0;
        QString perfil;
        QString uuid;
        QString tipo;
        std::string usuario;
        bool copia = false; // dialled through a one-activation copy of the profile
        std::string senha;
        std::size_t credenciais = 0;
        bool pedida = false;
        bool cancelada = false;
        bool recusada = false; // NetworkManager asked again: the password was wrong
    };

    QDBusMessage Chamada(QLatin1StringView caminho, QLatin1StringView interface, const QString& metodo) const;
    QDBusMessage Chamada(const QString& caminho, QLatin1StringView interface, const QString& metodo) const;
    template <class Resposta> void Envia(const QDBusMessage& mensagem, Resposta resposta);

    void Surgiu(const QString& dono);
    void Sumiu();
    void LePerfil(const QString& caminho);
    void LeAtiva(const QString& caminho);
    void LeDispositivo(const QString& caminho);
    void AtualizaAtivas(const QList<QDBusObjectPath>& caminhos);
    void AplicaAtiva(Ligacao& ligacao, const QVariantMap& propriedades);

    void Avanca();
    void Ativa();
    void AtivaCopia(Configuracao configuracao);
    void Ativou(const QString& caminhoAtiva);
    void FalhaAtivacao(std::uint32_t codigo);
    void Encerra(Ligacao& ligacao, std::uint32_t codigo);
    void TerminaDiscagem();
    void Recalcula(Ligacao& ligacao);

    Ligacao* PorConexao(HRASCONN conexao);
    Ligacao* PorAtiva(const QString& caminho);
    const Perfil* PerfilPorNome(const std::string& nome) const;
    const Perfil* PerfilPorCaminho(const QString& caminho) const;
    HRASCONN NovaConexao();

    QDBusConnection barramento_;
    int prazoMs_;
    QDBusServiceWatcher* vigia_;
    AgenteSegredos agente_;
    bool agenteExportado_ = false;
    bool presente_ = false;
    bool negado_ = false;
    int perfisPendentes_ = 0;
    std::vector<Perfil> perfis_;
    std::vector<Ligacao> ligacoes_;
    QSet<QString> listadas_; // the active connections NetworkManager listed last
    QSet<QString> lendoAtivas_;
    QSet<QString> descartadas_; // connections hung up that NetworkManager may still list
    QSet<QString> copias_;      // uuids of this program's one-activation copies of profiles
    std::optional<Discagem> discagem_;
    EsperaRediscagem espera_;
    HRASCONN ultima_ = 0;
    std::uint64_t geracao_ = 0; // bumped when NetworkManager goes away, so stale answers are dropped
};

} // namespace plataforma::nm
