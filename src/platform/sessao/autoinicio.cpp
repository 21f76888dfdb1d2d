#include "platform/sessao/autoinicio.h"

#include "platform/arquivos/arquivo_atomico.h"
#include "platform/arquivos/pastas.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

namespace plataforma {
namespace {

std::string BaseConfiguracao() {
    const char* base = std::getenv("XDG_CONFIG_HOME");
    if (base && *base)
        return base;
    const char* casa = std::getenv("HOME");
    return std::string(casa ? casa : "") + "/.config";
}

// A switch such as "/bandeja": a slash and letters only, so no path is taken for one.
bool Opcao(std::string_view parte) {
    return parte.size() > 1 && parte.front() == '/' &&
           std::all_of(parte.begin() + 1, parte.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

// The program path may hold blanks, so only the switches at the end are split off as arguments.
std::vector<std::string> Argumentos(std::string_view comando) {
    std::vector<std::string> opcoes;
    for (;;) {
        const auto espaco = comando.find_last_of(' ');
        if (espaco == std::string_view::npos || !Opcao(comando.substr(espaco + 1)))
            break;
        opcoes.insert(opcoes.begin(), std::string(comando.substr(espaco + 1)));
        comando = comando.substr(0, comando.find_last_not_of(' ', espaco) + 1);
    }
    opcoes.insert(opcoes.begin(), std::string(comando));
    return opcoes;
}

// The desktop-entry quoting of one argument: in double quotes when it holds a reserved character,
// with ", `, $ and \ escaped inside; '%' doubled, since it opens a field code.
std::string Cita(const std::string& argumento) {
    constexpr std::string_view kReservados = " \t\n\"'\\><~|&;$*?#()`";
    const bool citar = argumento.empty() || argumento.find_first_of(kReservados) != std::string::npos;
    std::string citado = citar ? "\"" : "";
    for (const char c : argumento) {
        if (citar && (c == '"' || c == '`' || c == '$' || c == '\\'))
            citado += '\\';
        citado += c;
        if (c == '%')
            citado += '%';
    }
    return citar ? citado + '"' : citado;
}

// The string escapes of a desktop-entry value, applied after the quoting.
std::string EscapaValor(std::string_view valor) {
    std::string escapado;
    for (const char c : valor) {
        switch (c) {
        case '\\':
            escapado += "\\\\";
            break;
        case '\n':
            escapado += "\\n";
            break;
        case '\t':
            escapado += "\\t";
            break;
        case '\r':
            escapado += "\\r";
            break;
        default:
            escapado += c;
        }
    }
    return escapado;
}

} // namespace

std::string ArquivoAutoinicio() { return BaseConfiguracao() + "/autostart/e-Telvanor.desktop"; }

std::string EntradaAutoinicio(const std::string& comando, const std::string& programa) {
    const auto inicio = comando.find_first_not_of(' ');
    const bool vazio = inicio == std::string::npos;
    const std::string_view aparado =
        vazio ? std::string_view()
              : std::string_view(comando).substr(inicio, comando.find_last_not_of(' ') - inicio + 1);
    std::string exec;
    for (const std::string& argumento : vazio ? std::vector<std::string>{programa} : Argumentos(aparado))
        exec += (exec.empty() ? "" : " ") + Cita(argumento);
    std::string entrada = "[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=e-Telvanor\n"
                          "Exec=" +
                          EscapaValor(exec) +
                          "\n"
                          "Terminal=false\n";
    if (vazio)
        entrada += "Hidden=true\n";
    return entrada;
}

bool EspelhaAutoinicio(const std::string& comando) {
    const std::filesystem::path arquivo = ArquivoAutoinicio();
    const std::string entrada = EntradaAutoinicio(comando, PastaPrograma() + "/e-Telvanor3Std");
    // Every start sets the value again: an entry that already says it is not written and flushed anew.
    const LeituraArquivo atual = LeArquivoInteiro(arquivo.string());
    if (atual.estado == EstadoLeitura::Lido && atual.conteudo == entrada)
        return true;
    std::error_code erro;
    std::filesystem::create_directories(arquivo.parent_path(), erro);
    return GravaArquivoAtomico(arquivo.string(), entrada);
}

} // namespace plataforma
