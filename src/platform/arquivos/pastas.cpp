#include "platform/arquivos/pastas.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace plataforma {
namespace {

std::string& PastaDefinida() {
    static std::string pasta;
    return pasta;
}

std::string& PadroesDefinidos() {
    static std::string pasta;
    return pasta;
}

std::string Variavel(const char* nome) {
    const char* valor = std::getenv(nome);
    return valor && *valor ? valor : "";
}

// Creates the folder (and its parents) when missing and keeps it for the user alone.
std::string Garante(const std::string& pasta) {
    std::error_code erro;
    std::filesystem::create_directories(pasta, erro);
    ::chmod(pasta.c_str(), 0700);
    return pasta;
}

std::uint32_t Copia(const std::string& caminho, char* buffer, std::uint32_t tamanho) {
    if (buffer && tamanho > 0) {
        const std::size_t n = std::min<std::size_t>(caminho.size(), tamanho - 1);
        std::memcpy(buffer, caminho.data(), n);
        buffer[n] = '\0';
    }
    return static_cast<std::uint32_t>(caminho.size());
}

} // namespace

// Asked once: every read of the settings file asks for the program folder, and the program keeps
// the folder it was started from.
std::string PastaExecutavel() {
    static const std::string pasta = [] {
        std::error_code erro;
        const auto executavel = std::filesystem::read_symlink("/proc/self/exe", erro);
        return erro ? std::filesystem::current_path().string() : executavel.parent_path().string();
    }();
    return pasta;
}

std::string PastaPrograma() { return PastaDefinida().empty() ? PastaExecutavel() : PastaDefinida(); }

void DefinePastaPrograma(const std::string& pasta) { PastaDefinida() = pasta; }

// The build tells where the defaults lie from the program folder (TELVANOR_PADROES, a relative path).
std::string PastaPadroes() {
    if (!PadroesDefinidos().empty())
        return PadroesDefinidos();
    return (std::filesystem::path(PastaPrograma()) / TELVANOR_PADROES).lexically_normal().string();
}

void DefinePastaPadroes(const std::string& pasta) { PadroesDefinidos() = pasta; }

std::string PastaUsuario() {
    std::string base = Variavel("XDG_CONFIG_HOME");
    if (base.empty())
        base = Variavel("HOME") + "/.config";
    return Garante(base + "/e-Telvanor");
}

std::string PastaExecucao() {
    const std::string base = Variavel("XDG_RUNTIME_DIR");
    if (base.empty())
        return "/tmp/e-Telvanor-" + std::to_string(::getuid());
    return base + "/e-Telvanor";
}

FalhaPasta PreparaPastaExecucao() { return GarantePastaPrivada(PastaExecucao(), ::getuid()); }

std::uint32_t GetSystemDirectoryA(char* buffer, std::uint32_t tamanho) {
    return Copia(PastaPrograma() + "/sistema", buffer, tamanho);
}

std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t tamanho) {
    return Copia(PastaPrograma(), buffer, tamanho);
}

} // namespace plataforma
