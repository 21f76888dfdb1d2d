// The dial-up service calls of the program, with the published ANSI records and result codes.
// Which service answers is chosen in `main` (the simulated line of linha_simulada.h unless the
// settings name another); while none is chosen the calls answer ERROR_RASMAN_CANNOT_INITIALIZE.
// Texts in the records are Windows-1252 bytes.
#pragma once

#include "platform/nucleo/backend.h"

#include <cstdint>
#include <memory>

namespace plataforma {

using HRASCONN = std::uint32_t;
using RASCONNSTATE = std::uint32_t;

inline constexpr int RAS_MaxEntryName = 256;
inline constexpr int RAS_MaxPhoneNumber = 128;
inline constexpr int RAS_MaxCallbackNumber = 128;
inline constexpr int RAS_MaxDeviceType = 16;
inline constexpr int RAS_MaxDeviceName = 128;
inline constexpr int UNLEN = 256;
inline constexpr int PWLEN = 256;
inline constexpr int DNLEN = 15;

inline constexpr RASCONNSTATE RASCS_OpenPort = 0;
inline constexpr RASCONNSTATE RASCS_PortOpened = 1;
inline constexpr RASCONNSTATE RASCS_ConnectDevice = 2;
inline constexpr RASCONNSTATE RASCS_Authenticate = 5;
inline constexpr RASCONNSTATE RASCS_Authenticated = 14;
inline constexpr RASCONNSTATE RASCS_Connected = 0x2000;
inline constexpr RASCONNSTATE RASCS_Disconnected = 0x2001;

inline constexpr std::uint32_t ERROR_INVALID_HANDLE_RAS = 6;
inline constexpr std::uint32_t ERROR_INVALID_PARAMETER_RAS = 87;
inline constexpr std::uint32_t ERROR_BUFFER_TOO_SMALL = 603;
inline constexpr std::uint32_t ERROR_PORT_ALREADY_OPEN = 602;
inline constexpr std::uint32_t ERROR_CANNOT_FIND_PHONEBOOK_ENTRY = 623;
inline constexpr std::uint32_t ERROR_REMOTE_DISCONNECTION = 629;
inline constexpr std::uint32_t ERROR_INVALID_SIZE = 632;
inline constexpr std::uint32_t ERROR_AUTHENTICATION_FAILURE = 691;
inline constexpr std::uint32_t ERROR_RASMAN_CANNOT_INITIALIZE = 711;

struct RASDIALPARAMSA {
    std::uint32_t dwSize;
    char szEntryName[RAS_MaxEntryName + 1];
    char szPhoneNumber[RAS_MaxPhoneNumber + 1];
    char szCallbackNumber[RAS_MaxCallbackNumber + 1];
    char szUserName[UNLEN + 1];
    char szPassword[PWLEN + 1];
    char szDomain[DNLEN + 1];
};
static_assert(sizeof(RASDIALPARAMSA) == 1052);

struct RASCONNA {
    std::uint32_t dwSize;
    HRASCONN hrasconn;
    char szEntryName[RAS_MaxEntryName + 1];
    char szDeviceType[RAS_MaxDeviceType + 1];
    char szDeviceName[RAS_MaxDeviceName + 1];
};
static_assert(sizeof(RASCONNA) == 412);

struct RASCONNSTATUSA {
    std::uint32_t dwSize;
    RASCONNSTATE rasconnstate;
    std::uint32_t dwError;
    char szDeviceType[RAS_MaxDeviceType + 1];
    char szDeviceName[RAS_MaxDeviceName + 1];
};
static_assert(sizeof(RASCONNSTATUSA) == 160);

struct RASENTRYNAMEA {
    std::uint32_t dwSize;
    char szEntryName[RAS_MaxEntryName + 1];
};
static_assert(sizeof(RASENTRYNAMEA) == 264);

// Each call refuses a null record or count with ERROR_INVALID_PARAMETER_RAS and a record whose dwSize
// is not its published size with ERROR_INVALID_SIZE. A buffer of connections or entries checks the
// first record's dwSize only; when it is too small the call returns ERROR_BUFFER_TOO_SMALL, reports
// 0 records and writes the needed byte count to `bytes`. On success `bytes` holds the bytes the
// records written take, and each written record gets its dwSize.
std::uint32_t RasDialA(const void* extensoes, const char* catalogo, const RASDIALPARAMSA* parametros,
                       std::uint32_t tipoNotificador, const void* notificador, HRASCONN* conexao);
std::uint32_t RasGetConnectStatusA(HRASCONN conexao, RASCONNSTATUSA* estado);
std::uint32_t RasEnumConnectionsA(RASCONNA* conexoes, std::uint32_t* bytes, std::uint32_t* quantas);
std::uint32_t RasHangUpA(HRASCONN conexao);
std::uint32_t RasEnumEntriesA(const char* reservado, const char* catalogo, RASENTRYNAMEA* entradas,
                              std::uint32_t* bytes, std::uint32_t* quantas);

// The service behind the five calls. The calls check the records and sizes before they reach it, so
// every pointer it gets is valid, save a listing's buffer when its capacity is 0. There is one
// phonebook: the calls' phonebook argument is not passed on.
class ServicoDiscagem {
public:
    virtual ~ServicoDiscagem() = default;
    // Sets *conexao to the new connection's handle, or 0 when it returns a code.
    virtual std::uint32_t Disca(const RASDIALPARAMSA& parametros, HRASCONN* conexao) = 0;
    // Fills rasconnstate and dwError; ERROR_INVALID_HANDLE_RAS for a handle that is 0 or gone.
    virtual std::uint32_t Estado(HRASCONN conexao, RASCONNSTATUSA* estado) = 0;
    // Both listings report the whole count in *quantas and write at most `capacidade` records.
    virtual std::uint32_t Conexoes(RASCONNA* conexoes, std::uint32_t capacidade, std::uint32_t* quantas) = 0;
    virtual std::uint32_t Desliga(HRASCONN conexao) = 0;
    virtual std::uint32_t Entradas(RASENTRYNAMEA* entradas, std::uint32_t capacidade,
                                   std::uint32_t* quantas) = 0;
};

template <> std::shared_ptr<ServicoDiscagem> BackendPadrao<ServicoDiscagem>();

} // namespace plataforma
