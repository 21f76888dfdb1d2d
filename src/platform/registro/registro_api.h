// The registry calls of the program, over the hive file of the per-user folder: keys are created or
// opened and values written; nothing here reads or deletes. Texts are Windows-1252 bytes, as for the
// "A" functions they stand in for.
#pragma once

#include <array>
#include <cstdint>

namespace plataforma {

using HKEY = std::uint32_t;

inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;
inline constexpr HKEY HKEY_PERFORMANCE_DATA = 0x80000004u;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;
inline constexpr HKEY HKEY_DYN_DATA = 0x80000006u;

struct RaizRegistro {
    HKEY chave;
    const char* nome;
};

inline constexpr std::array<RaizRegistro, 7> kRaizesRegistro = {{
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {HKEY_USERS, "HKEY_USERS"},
    {HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
    {HKEY_DYN_DATA, "HKEY_DYN_DATA"},
}};

inline constexpr std::int32_t ERROR_SUCCESS = 0;
inline constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr std::int32_t ERROR_ACCESS_DENIED = 5;
inline constexpr std::int32_t ERROR_INVALID_HANDLE = 6;
inline constexpr std::int32_t ERROR_INVALID_PARAMETER = 87;
inline constexpr std::int32_t ERROR_KEY_DELETED = 1018;

inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t KEY_WRITE = 0x20006;

// Creates the key with any missing parents, or opens it. An empty subkey gives back `raiz` itself.
// A subkey with an empty part or a control code is refused with ERROR_INVALID_PARAMETER.
std::int32_t RegCreateKeyA(HKEY raiz, const char* subchave, HKEY* resultado);
// Opens an existing key only (ERROR_FILE_NOT_FOUND otherwise); an empty subkey is `raiz` itself.
std::int32_t RegOpenKeyExA(HKEY raiz, const char* subchave, std::uint32_t opcoes, std::uint32_t acesso,
                           HKEY* resultado);
// REG_SZ data comes with its terminating NUL, which is not stored; NULs inside it are. Text bytes
// that are UTF-8 of a character Windows-1252 lacks are kept as that text (texto_guardado.h). REG_BINARY
// takes any bytes, none included. Other types are refused. Writing the e-Telvanor value of the
// per-user Run key also writes the session's autostart entry (autoinicio.h).
std::int32_t RegSetValueExA(HKEY chave, const char* nome, std::uint32_t reservado, std::uint32_t tipo,
                            const std::uint8_t* dados, std::uint32_t tamanho);
// Closing a root handle does nothing and succeeds.
std::int32_t RegCloseKey(HKEY chave);

} // namespace plataforma
