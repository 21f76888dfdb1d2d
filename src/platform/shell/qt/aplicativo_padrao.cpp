#include "platform/shell/qt/aplicativo_padrao.h"

#include "platform/shell/qt/shell.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>

#include <sstream>

namespace plataforma {
namespace {

std::string Apara(const std::string& s) {
    const auto inicio = s.find_first_not_of(" \t\r");
    if (inicio == std::string::npos)
        return {};
    return s.substr(inicio, s.find_last_not_of(" \t\r") - inicio + 1);
}

std::string LeTexto(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return arquivo.readAll().toStdString();
}

// The desktop entry's own escapes (\s, \n, \t, \r, \\) come off before the Exec quoting is read.
std::string SemEscapesDoValor(const std::string& valor) {
    std::string resultado;
    for (std::size_t i = 0; i < valor.size(); ++i) {
        if (valor[i] != '\\' || i + 1 == valor.size()) {
            resultado += valor[i];
            continue;
        }
        switch (valor[++i]) {
        case 's':
            resultado += ' ';
            break;
        case 'n':
            resultado += '\n';
            break;
        case 't':
            resultado += '\t';
            break;
        case 'r':
            resultado += '\r';
            break;
        default:
            resultado += '\\';
            resultado += valor[i];
            break;
        }
    }
    return resultado;
}

std::string SemCodigosDeCampo(const std::string& argumento) {
    std::string resultado;
    for (std::size_t i = 0; i < argumento.size(); ++i) {
        if (argumento[i] == '%' && i + 1 < argumento.size()) {
            if (argumento[++i] == '%')
                resultado += '%';
            continue;
        }
        resultado += argumento[i];
    }
    return resultado;
}

// Desktop ids named for `tipo` in the [Default Applications] of the mimeapps.list files, in the
// order the freedesktop rules give them precedence, then those of the installed mimeinfo.cache.
std::vector<std::string> CandidatosPara(const std::string& tipo) {
    QStringList listas;
    for (const QString& pasta : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        listas << pasta + QStringLiteral("/mimeapps.list");
    for (const QString& pasta : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        listas << pasta + QStringLiteral("/mimeapps.list");
    std::vector<std::pair<QString, std::string>> fontes;
    for (const QString& lista : listas)
        fontes.emplace_back(lista, "Default Applications");
    for (const QString& pasta : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        fontes.emplace_back(pasta + QStringLiteral("/mimeinfo.cache"), "MIME Cache");

    std::vector<std::string> ids;
    for (const auto& [caminho, secao] : fontes) {
        std::istringstream valores(ValorArquivoChaves(LeTexto(caminho), secao, tipo));
        for (std::string id; std::getline(valores, id, ';');)
            if (!Apara(id).empty())
                ids.push_back(Apara(id));
    }
    return ids;
}

} // namespace

std::string ValorArquivoChaves(const std::string& texto, const std::string& secao, const std::string& chave) {
    std::istringstream linhas(texto);
    bool naSecao = false;
    for (std::string linha; std::getline(linhas, linha);) {
        linha = Apara(linha);
        if (linha.empty() || linha[0] == '#')
            continue;
        if (linha.front() == '[') {
            naSecao = linha == "[" + secao + "]";
            continue;
        }
        const auto igual = linha.find('=');
        if (naSecao && igual != std::string::npos && Apara(linha.substr(0, igual)) == chave)
            return Apara(linha.substr(igual + 1));
    }
    return {};
}

std::vector<std::string> ComandoDaEntrada(const std::string& textoEntrada) {
    std::vector<std::string> comando;
    for (const std::string& parte :
         DivideLinhaDeComando(SemEscapesDoValor(ValorArquivoChaves(textoEntrada, "Desktop Entry", "Exec")))) {
        const std::string argumento = SemCodigosDeCampo(parte);
        if (!argumento.empty())
            comando.push_back(argumento);
    }
    return comando;
}

std::vector<std::string> AplicativoPadrao(const std::string& tipo) {
    for (const std::string& id : CandidatosPara(tipo)) {
        const QString entrada =
            QStandardPaths::locate(QStandardPaths::ApplicationsLocation, QString::fromStdString(id));
        if (entrada.isEmpty())
            continue;
        std::vector<std::string> comando = ComandoDaEntrada(LeTexto(entrada));
        if (!comando.empty())
            return comando;
    }
    return {};
}

} // namespace plataforma
