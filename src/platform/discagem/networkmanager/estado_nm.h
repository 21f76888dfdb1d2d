// How NetworkManager's profile types, states and reasons read as the dial-up service's entries,
// RASCS_* states and result codes. Pure functions; no D-Bus here.
#pragma once

#include "platform/discagem/ras.h"

#include <cstdint>
#include <string_view>

namespace plataforma::nm {

// NMActiveConnectionState
inline constexpr std::uint32_t AtivaAtivando = 1;
inline constexpr std::uint32_t AtivaAtivada = 2;
inline constexpr std::uint32_t AtivaDesativando = 3;
inline constexpr std::uint32_t AtivaDesativada = 4;

// NMDeviceState
inline constexpr std::uint32_t DispositivoPreparando = 40;
inline constexpr std::uint32_t DispositivoConfigurando = 50;
inline constexpr std::uint32_t DispositivoAutenticando = 60;
inline constexpr std::uint32_t DispositivoAtivado = 100;
inline constexpr std::uint32_t DispositivoFalhou = 120;

// Result codes of the dial-up service that NetworkManager's failures are reported with.
inline constexpr std::uint32_t ERROR_ACCESS_DENIED_RAS = 5;
inline constexpr std::uint32_t ERROR_DEVICE_DOES_NOT_EXIST = 608;
inline constexpr std::uint32_t ERROR_DISCONNECTION = 619;
inline constexpr std::uint32_t ERROR_USER_DISCONNECTION = 631;
inline constexpr std::uint32_t ERROR_REQUEST_TIMEOUT = 638;
inline constexpr std::uint32_t ERROR_FROM_DEVICE = 651;
inline constexpr std::uint32_t ERROR_BUSY = 676;
inline constexpr std::uint32_t ERROR_NO_ANSWER = 678;
inline constexpr std::uint32_t ERROR_NO_CARRIER = 679;
inline constexpr std::uint32_t ERROR_NO_DIALTONE = 680;

// The profiles a dialer dials: PPPoE, mobile broadband, Bluetooth dial-up, VPN and ADSL.
// `bluetoothTipo` is the profile's bluetooth.type.
bool TipoDiscavel(std::string_view tipo, std::string_view bluetoothTipo);

// The state of an active connection as the dial-up service reports it. `dispositivo` is its
// device's NMDeviceState, 0 when unknown (a VPN follows its active connection alone).
RASCONNSTATE EstadoRas(std::uint32_t ativa, std::uint32_t dispositivo);

// The code an ended connection reports, from its device's reason (NMDeviceStateReason), else its
// active connection's reason (NMActiveConnectionStateReason). `conectou` tells whether it had come up,
// which is what a reason that names nothing precise falls back on.
std::uint32_t CodigoDoFim(std::uint32_t razaoDispositivo, std::uint32_t razaoAtiva, bool conectou);

// The code a refused or unanswered D-Bus call is reported with, from the error's name.
std::uint32_t CodigoDoErroDbus(std::string_view nomeErro);

} // namespace plataforma::nm
