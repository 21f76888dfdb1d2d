// The secret agent the program registers with NetworkManager for its run. It hands the dial's
// password to NetworkManager for the one profile being dialled, and only to NetworkManager itself;
// every other request is left to the user's other agents. The password stays in memory only.
#pragma once

#include "platform/discagem/networkmanager/tipos_nm.h"

#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>

#include <functional>
#include <string>

namespace plataforma::nm {

class AgenteSegredos : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.NetworkManager.SecretAgent")

public:
    // `recusada` runs when NetworkManager asks again for new secrets of the profile being dialled:
    // the password given was refused.
    explicit AgenteSegredos(std::function<void()> recusada, QObject* pai = nullptr);
    ~AgenteSegredos() override;

    // From now on, answer with `senha` for the profile of this uuid (a VPN's or another's).
    void Responde(const QString& uuid, std::string senha);
    // Stop answering and forget the password.
    void Cala();
    // The unique bus name NetworkManager speaks from; requests from anyone else are refused.
    void DefineDono(const QString& dono) { dono_ = dono; }

public Q_SLOTS:
    plataforma::nm::Configuracao GetSecrets(const plataforma::nm::Configuracao& connection,
                                            const QDBusObjectPath& connection_path,
                                            const QString& setting_name, const QStringList& hints,
                                            uint flags);
    void CancelGetSecrets(const QDBusObjectPath& connection_path, const QString& setting_name);
    void SaveSecrets(const plataforma::nm::Configuracao& connection, const QDBusObjectPath& connection_path);
    void DeleteSecrets(const plataforma::nm::Configuracao& connection,
                       const QDBusObjectPath& connection_path);

private:
    std::function<void()> recusada_;
    QString uuid_;
    std::string senha_;
    QString dono_;
};

} // namespace plataforma::nm
