#include "platform/discagem/networkmanager/estado_nm.h"

namespace plataforma::nm {

bool TipoDiscavel(std::string_view tipo, std::string_view bluetoothTipo) {
    if (tipo == "bluetooth")
        return bluetoothTipo == "dun";
    return tipo == "pppoe" || tipo == "gsm" || tipo == "cdma" || tipo == "vpn" || tipo == "adsl";
}

RASCONNSTATE EstadoRas(std::uint32_t ativa, std::uint32_t dispositivo) {
    switch (ativa) {
    case AtivaAtivada:
        return RASCS_Connected;
    case AtivaDesativando:
    case AtivaDesativada:
        return RASCS_Disconnected;
    default:
        break;
    }
    if (dispositivo >= DispositivoFalhou)
        return RASCS_Disconnected;
    if (dispositivo >= DispositivoAutenticando && dispositivo < DispositivoAtivado)
        return RASCS_Authenticate;
    if (dispositivo == DispositivoConfigurando)
        return RASCS_ConnectDevice;
    if (dispositivo == DispositivoPreparando)
        return RASCS_OpenPort;
    // No device of its own to follow, or one still activated from another connection (a VPN's).
    return RASCS_ConnectDevice;
}

std::uint32_t CodigoDoFim(std::uint32_t razaoDispositivo, std::uint32_t razaoAtiva, bool conectou) {
    switch (razaoDispositivo) {
    case 7: // no secrets
        return ERROR_AUTHENTICATION_FAILURE;
    case 23: // modem busy
        return ERROR_BUSY;
    case 24: // no dial tone
        return ERROR_NO_DIALTONE;
    case 25: // no carrier
        return ERROR_NO_CARRIER;
    case 26: // dial timeout
        return ERROR_NO_ANSWER;
    case 12: // PPP failed to start
    case 14: // PPP failed
    case 27: // dial failed
    case 28: // modem init failed
    case 44: // Bluetooth failed
    case 57: // modem failed
        return ERROR_FROM_DEVICE;
    case 36: // device removed
    case 43: // modem not found
    case 52: // modem manager unavailable
        return ERROR_DEVICE_DOES_NOT_EXIST;
    case 13: // PPP disconnected
    case 40: // carrier changed
        return ERROR_DISCONNECTION;
    case 39: // user requested
        return ERROR_USER_DISCONNECTION;
    default:
        break;
    }
    switch (razaoAtiva) {
    case 2: // user disconnected
        return ERROR_USER_DISCONNECTION;
    case 6: // connect timeout
    case 7: // service start timeout
        return ERROR_NO_ANSWER;
    case 9:  // no secrets
    case 10: // login failed
        return ERROR_AUTHENTICATION_FAILURE;
    default:
        break;
    }
    return conectou ? ERROR_DISCONNECTION : ERROR_FROM_DEVICE;
}

std::uint32_t CodigoDoErroDbus(std::string_view nomeErro) {
    if (nomeErro == "org.freedesktop.DBus.Error.NoReply" ||
        nomeErro == "org.freedesktop.DBus.Error.Timeout" || nomeErro == "org.freedesktop.DBus.Error.TimedOut")
        return ERROR_REQUEST_TIMEOUT;
    if (nomeErro == "org.freedesktop.DBus.Error.ServiceUnknown" ||
        nomeErro == "org.freedesktop.DBus.Error.NameHasNoOwner" ||
        nomeErro == "org.freedesktop.DBus.Error.Disconnected")
        return ERROR_RASMAN_CANNOT_INITIALIZE;
    if (nomeErro == "org.freedesktop.NetworkManager.PermissionDenied" ||
        nomeErro == "org.freedesktop.DBus.Error.AccessDenied" ||
        nomeErro == "org.freedesktop.NetworkManager.Settings.PermissionDenied")
        return ERROR_ACCESS_DENIED_RAS;
    if (nomeErro == "org.freedesktop.NetworkManager.UnknownConnection" ||
        nomeErro == "org.freedesktop.NetworkManager.Settings.InvalidConnection")
        return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
    return ERROR_FROM_DEVICE;
}

} // namespace plataforma::nm
