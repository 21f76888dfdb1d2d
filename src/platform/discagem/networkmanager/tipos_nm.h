// NetworkManager's D-Bus names and the container types its calls carry, registered with Qt D-Bus.
#pragma once

#include <QLatin1StringView>
#include <QMap>
#include <QString>
#include <QVariantMap>

namespace plataforma::nm {

// a{sa{sv}}: a profile's settings, or secrets, by setting name.
using Configuracao = QMap<QString, QVariantMap>;
// a{ss}: a VPN's secrets.
using SegredosVpn = QMap<QString, QString>;

inline constexpr QLatin1StringView Servico{"org.freedesktop.NetworkManager"};
inline constexpr QLatin1StringView CaminhoGerente{"/org/freedesktop/NetworkManager"};
inline constexpr QLatin1StringView CaminhoConfiguracoes{"/org/freedesktop/NetworkManager/Settings"};
inline constexpr QLatin1StringView CaminhoAgentes{"/org/freedesktop/NetworkManager/AgentManager"};
inline constexpr QLatin1StringView CaminhoAgente{"/org/freedesktop/NetworkManager/SecretAgent"};
inline constexpr QLatin1StringView InterfaceGerente{"org.freedesktop.NetworkManager"};
inline constexpr QLatin1StringView InterfaceConfiguracoes{"org.freedesktop.NetworkManager.Settings"};
inline constexpr QLatin1StringView InterfacePerfil{"org.freedesktop.NetworkManager.Settings.Connection"};
inline constexpr QLatin1StringView InterfaceAtiva{"org.freedesktop.NetworkManager.Connection.Active"};
inline constexpr QLatin1StringView InterfaceDispositivo{"org.freedesktop.NetworkManager.Device"};
inline constexpr QLatin1StringView InterfaceAgentes{"org.freedesktop.NetworkManager.AgentManager"};
inline constexpr QLatin1StringView InterfacePropriedades{"org.freedesktop.DBus.Properties"};

void RegistraTipos();

} // namespace plataforma::nm
