#include "settings/registro.h"

#include "platform/interface/qt/mensagens.h"
#include "platform/texto/cp1252.h"
#include "platform/texto/texto_guardado.h"

namespace Registro {
namespace {

// Opens the existing key of a full path for writing, leaving it in hChave; false when the path
// has no root or the key could not be opened.
bool AbreParaEscrita(const std::string& caminho) {
    std::string subchave = caminho;
    SeparaCaminhoChave(subchave, hChaveRaiz);
    if (hChaveRaiz == 0)
        return false;
    RetornoRegistro = plataforma::RegOpenKeyExA(hChaveRaiz, plataforma::ParaCp1252(subchave).c_str(), 0,
                                                plataforma::KEY_WRITE, &hChave);
    return RetornoRegistro == plataforma::ERROR_SUCCESS;
}

// Writes one value into the open key and closes it whatever the write gave.
void GravaEFecha(const std::string& nome, std::uint32_t tipo, const std::uint8_t* dados,
                 std::uint32_t tamanho) {
    RetornoRegistro =
        plataforma::RegSetValueExA(hChave, plataforma::ParaCp1252(nome).c_str(), 0, tipo, dados, tamanho);
    plataforma::RegCloseKey(hChave);
}

} // namespace

plataforma::HKEY ChaveRaiz(const std::string& nome) {
    static const struct {
        const char* nome;
        plataforma::HKEY chave;
    } raizes[] = {
        {"HKEY_CLASSES_ROOT", plataforma::HKEY_CLASSES_ROOT},
        {"HKEY_CURRENT_USER", plataforma::HKEY_CURRENT_USER},
        {"HKEY_LOCAL_MACHINE", plataforma::HKEY_LOCAL_MACHINE},
        {"HKEY_USERS", plataforma::HKEY_USERS},
        {"HKEY_PERFORMANCE_DATA", plataforma::HKEY_PERFORMANCE_DATA},
        {"HKEY_CURRENT_CONFIG", plataforma::HKEY_CURRENT_CONFIG},
        {"HKEY_DYN_DATA", plataforma::HKEY_DYN_DATA},
    };
    for (const auto& raiz : raizes)
        if (nome == raiz.nome)
            return raiz.chave;
    return 0;
}

void SeparaCaminhoChave(std::string& caminho, plataforma::HKEY& raiz) {
    if (caminho.compare(0, 5, "HKEY_") != 0 || caminho.back() == '\\') {
        plataforma::MsgBox("Incorrect Format:" + std::string("\n\n") + caminho, plataforma::vbOKOnly);
        raiz = 0;
        return;
    }
    const std::size_t barra = caminho.find('\\');
    if (barra == std::string::npos) {
        raiz = ChaveRaiz(caminho);
        caminho.clear();
    } else {
        raiz = ChaveRaiz(caminho.substr(0, barra));
        caminho.erase(0, barra + 1);
    }
}

void CriaChave(const std::string& caminho) {
    std::string subchave = caminho;
    SeparaCaminhoChave(subchave, hChaveRaiz);
    if (hChaveRaiz == 0)
        return;
    RetornoRegistro =
        plataforma::RegCreateKeyA(hChaveRaiz, plataforma::ParaCp1252(subchave).c_str(), &hChave);
    if (RetornoRegistro == plataforma::ERROR_SUCCESS)
        plataforma::RegCloseKey(hChave);
}

void GravaValorTexto(const std::string& caminho, const std::string& nome, const std::string& texto) {
    if (!AbreParaEscrita(caminho))
        return;
    const std::string codigos = plataforma::GuardaTexto(texto).bytes;
    GravaEFecha(nome, plataforma::REG_SZ, reinterpret_cast<const std::uint8_t*>(codigos.c_str()),
                static_cast<std::uint32_t>(codigos.size() + 1));
}

void GravaValorBinário(const std::string& caminho, const std::string& nome, const std::string& dados) {
    if (!AbreParaEscrita(caminho))
        return;
    const std::string codigos = plataforma::ParaCp1252(dados);
    TamanhoDados = static_cast<std::int32_t>(codigos.size());
    DadosBinários.assign(codigos.begin(), codigos.end());
    GravaEFecha(nome, plataforma::REG_BINARY, DadosBinários.data(), static_cast<std::uint32_t>(TamanhoDados));
}

} // namespace Registro
