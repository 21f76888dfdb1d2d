// A private system bus with python-dbusmock's NetworkManager
// template on it, scripted with what the template lacks: an activation that starts in the
// activating state, state changes with their reasons, an agent manager and a secret request.
#pragma once

#include "support/barramento_privado.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <string>

class NetworkManagerSimulado {
public:
    // Starts the bus; the mock too unless `comNetworkManager` is false. DBUS_SYSTEM_BUS_ADDRESS
    // names the bus while the object lives.
    explicit NetworkManagerSimulado(bool comNetworkManager = true);
    ~NetworkManagerSimulado();

    bool Iniciado() const { return iniciado_; }
    const QString& Endereco() const { return barramento_.Endereco(); }
    // A fresh connection to the bus, for a service under test.
    QDBusConnection NovaConexao() { return barramento_.NovaConexao(); }

    // Adds a profile; `extra` holds further settings (e.g. {"pppoe", {{"username", "ana"}}}).
    QString AdicionaPerfil(const QString& id, const QString& tipo,
                           const QMap<QString, QVariantMap>& extra = {});
    void RemovePerfil(const QString& caminho);
    QMap<QString, QVariantMap> ConfiguracaoDoPerfil(const QString& caminho);
    QString UuidDoPerfil(const QString& caminho);
    QStringList Perfis();

    // An active connection another tool started, in the given NMActiveConnectionState.
    QString AtivaPorFora(const QString& perfil, const QString& nome, uint estado);
    void MudaAtiva(const QString& ativa, uint estado, uint razao);
    void MudaDispositivo(uint estado, uint razao);
    void RemoveAtiva(const QString& ativa);
    QStringList Ativas();
    // The last active connection listed, once there is one (the one a dial just made).
    QString UltimaAtiva();

    // Asks the agent of `agente` (a unique bus name) for secrets, as NetworkManager does. The answer,
    // or the error's name in `erro`.
    QMap<QString, QVariantMap> PedeSegredos(const QString& agente, const QString& uuid, const QString& secao,
                                            uint flags, QString* erro);

    // Replaces a method of NetworkManager's main object with Python code run in the mock.
    void DefineMetodo(const QString& metodo, const QString& entrada, const QString& saida,
                      const QString& codigo);
    // Emits a signal without arguments from NetworkManager's main object.
    void EmiteSinal(const QString& sinal);
    // How many times a method of NetworkManager's main object was called.
    int Chamadas(const QString& metodo);

    void Congela(); // the mock stops answering
    void Solta();
    void Para(); // the mock ends; the bus stays

    // Processes events until `condicao` holds; false when it never did.
    static bool Ate(const std::function<bool()>& condicao) { return BarramentoPrivado::Ate(condicao); }

private:
    QDBusMessage Chama(const QString& caminho, const QString& interface, const QString& metodo,
                       const QVariantList& argumentos);
    void Roteiriza();

    BarramentoPrivado barramento_{"DBUS_SYSTEM_BUS_ADDRESS"};
    QDBusConnection controle_{QString()};
    bool iniciado_ = false;
};
