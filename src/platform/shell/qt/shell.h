// The shell calls of the program: open a document, program or link; start a program by its command
// line; end the session. The desktop backend does the work; tests install one that records.
#pragma once

#include "platform/nucleo/backend.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plataforma {

inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;

inline constexpr std::uint32_t EWX_LOGOFF = 0;
inline constexpr std::uint32_t EWX_SHUTDOWN = 1;
inline constexpr std::uint32_t EWX_REBOOT = 2;
inline constexpr std::uint32_t EWX_POWEROFF = 8;

// Published failure codes of the two start calls; success is above 32 (ShellExecuteA) or 31 (WinExec).
inline constexpr std::uint32_t ERROR_FILE_NOT_FOUND_SHELL = 2;
inline constexpr std::uint32_t SE_ERR_NOASSOC = 31;

class Shell {
public:
    virtual ~Shell() = default;
    virtual std::intptr_t Abre(std::uint32_t dono, const std::string& operacao, const std::string& arquivo,
                               const std::string& parametros, const std::string& pasta, int mostrar) = 0;
    virtual std::uint32_t Inicia(const std::string& linhaDeComando, std::uint32_t estilo) = 0;
    virtual bool EncerraSessao(std::uint32_t opcoes, std::uint32_t reservado) = 0;
};

// Null texts stand for empty ones.
std::intptr_t ShellExecuteA(std::uint32_t dono, const char* operacao, const char* arquivo,
                            const char* parametros, const char* pasta, int mostrar);
std::uint32_t WinExec(const char* linhaDeComando, std::uint32_t estilo);
bool ExitWindowsEx(std::uint32_t opcoes, std::uint32_t reservado);

template <> std::shared_ptr<Shell> BackendPadrao<Shell>();

// A command line as program and arguments, never through a shell: blanks separate, double quotes
// group, and inside quotes \" and \\ stand for " and \. An unquoted program name may hold blanks, as
// when a path with blanks is written without quotes: the shortest run of words for which `existe`
// answers true is the program (it is asked only while the line goes on).
std::vector<std::string> DivideLinhaDeComando(const std::string& linha,
                                              const std::function<bool(const std::string&)>& existe = {});

} // namespace plataforma
