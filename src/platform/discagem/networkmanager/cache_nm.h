// What NetworkManager holds, as far as the dial-up service needs it: its presence and permission, the
// profiles and the active connections, read when NetworkManager appears and kept from its signals, so
// that the dial-up calls answer from memory. The dial adaptor adds its own dials and marks their
// progress; the cache tells it when a connection comes up or ends.
#pragma once

#include "platform/discagem/networkmanager/barramento_nm.h"
#include "platform/discagem/networkmanager/ligacao_nm.h"
#include "platform/discagem/networkmanager/perfil_nm.h"

#include <QDBusObjectPath>
#include <QObject>
#include <QSet>

#include <cstdint>
#include <string_view>
#include <vector>

class QDBusServiceWatcher;

namespace plataforma::nm {

class ObservadorLigacoes {
public:
    virtual ~ObservadorLigacoes() = default;
    // NetworkManager took its name on the bus, as `dono`.
    virtual void Surgiu(const QString& dono) = 0;
    // The connection came up for the first time.
    virtual void Conectou(const LigacaoNm& ligacao) = 0;
    // The connection ends with `codigo`; answers the code it keeps.
    virtual std::uint32_t Encerrou(const LigacaoNm& ligacao, std::uint32_t codigo) = 0;
};

class CacheNm final : public QObject {
    Q_OBJECT

public:
    CacheNm(BarramentoNm& barramento, ObservadorLigacoes& observador);

    bool Presente() const { return presente_; }
    // NetworkManager refuses this user the control of the network.
    bool Negado() const { return negado_; }
    // True once NetworkManager has answered and its profiles are known.
    bool Pronto() const { return presente_ && perfisPendentes_ == 0; }

    const std::vector<PerfilNm>& Perfis() const { return perfis_; }
    const std::vector<LigacaoNm>& Ligacoes() const { return ligacoes_; }
    // A loaded profile of the dial-up kinds.
    const PerfilNm* PerfilPorNome(std::string_view nome) const;
    LigacaoNm* PorConexao(HRASCONN conexao);
    bool PerfilEmUso(const QString& perfil) const;

    HRASCONN NovaConexao();
    // A dial of this program, listed first.
    void AcrescentaDiscagem(const LigacaoNm& ligacao);
    // NetworkManager named the dial's active connection.
    void Ativou(HRASCONN conexao, const QString& ativa);
    // The uuid of a one-activation copy of a profile: the copy is never an entry.
    void MarcaCopia(const QString& uuid) { copias_.insert(uuid); }
    // Takes the connection off the list; an active connection NetworkManager may list a while longer
    // is not shown again.
    void Retira(HRASCONN conexao);
    void Descarta(const QString& ativa);
    // A hang-up sent (true) or refused (false).
    void Desligando(LigacaoNm& ligacao, bool desligando);
    void Encerra(LigacaoNm& ligacao, std::uint32_t codigo);

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
    void Surgiu(const QString& dono);
    void Sumiu();
    void LePerfil(const QString& caminho);
    void LeAtiva(const QString& caminho);
    void LeDispositivo(const QString& caminho);
    void AtualizaAtivas(const QList<QDBusObjectPath>& caminhos);
    void AplicaAtiva(LigacaoNm& ligacao, const QVariantMap& propriedades);
    void Recalcula(LigacaoNm& ligacao);
    // Ended with the code its reasons give.
    void Termina(LigacaoNm& ligacao);

    LigacaoNm* PorAtiva(const QString& caminho);
    const PerfilNm* PerfilPorCaminho(const QString& caminho) const;

    BarramentoNm& barramento_;
    ObservadorLigacoes& observador_;
    QDBusServiceWatcher* vigia_;
    bool presente_ = false;
    bool negado_ = false;
    int perfisPendentes_ = 0;
    std::vector<PerfilNm> perfis_;
    std::vector<LigacaoNm> ligacoes_;
    QSet<QString> listadas_; // the active connections NetworkManager listed last
    QSet<QString> lendoAtivas_;
    QSet<QString> descartadas_; // connections hung up that NetworkManager may still list
    QSet<QString> copias_;      // uuids of this program's one-activation copies of profiles
    HRASCONN ultima_ = 0;
};

} // namespace plataforma::nm
