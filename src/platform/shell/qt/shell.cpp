#include "platform/shell/qt/shell.h"

#include "platform/arquivos/pastas.h"
#include "platform/shell/qt/aplicativo_padrao.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <cctype>

namespace plataforma {
namespace {

constexpr std::intptr_t AbertoComSucesso = 42;
constexpr std::uint32_t IniciadoComSucesso = 33;

QStringList ParaQt(std::vector<std::string>::const_iterator inicio,
                   std::vector<std::string>::const_iterator fim) {
    QStringList lista;
    for (auto i = inicio; i != fim; ++i)
        lista << QString::fromStdString(*i);
    return lista;
}

bool IniciaDestacado(const std::vector<std::string>& comando, const QString& pasta = {}) {
    if (comando.empty())
        return false;
    return QProcess::startDetached(QString::fromStdString(comando.front()),
                                   ParaQt(comando.begin() + 1, comando.end()), pasta);
}

std::string Minusculas(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// A scheme of two letters or more: "C:" alone is a drive, not a link.
bool ÉEndereço(const std::string& texto) {
    const QUrl url(QString::fromStdString(texto));
    return url.isValid() && url.scheme().size() > 1;
}

// Programs the system names by their role; the desktop's default for that role answers for them.
std::intptr_t AbrePapel(const std::string& tipo, const std::vector<std::string>& substituto) {
    std::vector<std::string> comando = AplicativoPadrao(tipo);
    if (comando.empty())
        comando = substituto;
    return IniciaDestacado(comando) ? AbertoComSucesso : static_cast<std::intptr_t>(SE_ERR_NOASSOC);
}

bool Executavel(const QFileInfo& info) { return info.isFile() && info.isExecutable(); }

// Provider presets are handled by the line tool, as its own process, like any registered handler.
std::intptr_t AbrePredefinicao(const QFileInfo& info, const std::string& pasta) {
    const std::string ferramenta = PastaPrograma() + "/e-telvanor-linha";
    if (!Executavel(QFileInfo(QString::fromStdString(ferramenta))))
        return SE_ERR_NOASSOC;
    return IniciaDestacado({ferramenta, "importa", info.absoluteFilePath().toStdString()},
                           QString::fromStdString(pasta))
               ? AbertoComSucesso
               : static_cast<std::intptr_t>(SE_ERR_NOASSOC);
}

class ShellDaArea final : public Shell {
public:
    std::intptr_t Abre(std::uint32_t, const std::string&, const std::string& arquivo,
                       const std::string& parametros, const std::string& pasta, int) override {
        const std::string nome = Minusculas(arquivo);
        if (nome == "iexplore.exe")
            return AbrePapel("x-scheme-handler/http", {"x-www-browser"});
        if (nome == "msimn.exe")
            return AbrePapel("x-scheme-handler/mailto", {});
        if (ÉEndereço(arquivo))
            return QDesktopServices::openUrl(QUrl(QString::fromStdString(arquivo)))
                       ? AbertoComSucesso
                       : static_cast<std::intptr_t>(SE_ERR_NOASSOC);

        QFileInfo info(QString::fromStdString(arquivo));
        if (info.isRelative() && !pasta.empty())
            info = QFileInfo(QDir(QString::fromStdString(pasta)), QString::fromStdString(arquivo));
        if (!info.exists())
            return ERROR_FILE_NOT_FOUND_SHELL;
        if (info.isFile() && info.suffix().compare(QStringLiteral("ins"), Qt::CaseInsensitive) == 0)
            return AbrePredefinicao(info, pasta);
        if (Executavel(info)) {
            std::vector<std::string> comando = DivideLinhaDeComando(parametros);
            comando.insert(comando.begin(), info.absoluteFilePath().toStdString());
            return IniciaDestacado(comando, QString::fromStdString(pasta))
                       ? AbertoComSucesso
                       : static_cast<std::intptr_t>(ERROR_FILE_NOT_FOUND_SHELL);
        }
        return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))
                   ? AbertoComSucesso
                   : static_cast<std::intptr_t>(SE_ERR_NOASSOC);
    }

    // The window style cannot be imposed on another program's windows here; it is left to the
    // program and its window manager.
    std::uint32_t Inicia(const std::string& linhaDeComando, std::uint32_t) override {
        const auto existe = [](const std::string& caminho) {
            const QString nome = QString::fromStdString(caminho);
            return Executavel(QFileInfo(nome)) || !QStandardPaths::findExecutable(nome).isEmpty();
        };
        return IniciaDestacado(DivideLinhaDeComando(linhaDeComando, existe)) ? IniciadoComSucesso
                                                                             : ERROR_FILE_NOT_FOUND_SHELL;
    }

    // logind decides whether this user may power the machine off; a refusal leaves the session as is.
    bool EncerraSessao(std::uint32_t opcoes, std::uint32_t) override {
        if (opcoes & (EWX_SHUTDOWN | EWX_POWEROFF))
            return QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
        if (opcoes & EWX_REBOOT)
            return QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("reboot")});
        return false;
    }
};

Shell& Atual() { return Backend<Shell>::Atual(); }

std::string Texto(const char* s) { return s ? s : ""; }

} // namespace

std::intptr_t ShellExecuteA(std::uint32_t dono, const char* operacao, const char* arquivo,
                            const char* parametros, const char* pasta, int mostrar) {
    return Atual().Abre(dono, Texto(operacao), Texto(arquivo), Texto(parametros), Texto(pasta), mostrar);
}

std::uint32_t WinExec(const char* linhaDeComando, std::uint32_t estilo) {
    return Atual().Inicia(Texto(linhaDeComando), estilo);
}

bool ExitWindowsEx(std::uint32_t opcoes, std::uint32_t reservado) {
    return Atual().EncerraSessao(opcoes, reservado);
}

template <> std::shared_ptr<Shell> BackendPadrao<Shell>() { return std::make_shared<ShellDaArea>(); }

std::vector<std::string> DivideLinhaDeComando(const std::string& linha,
                                              const std::function<bool(const std::string&)>& existe) {
    struct Palavra {
        std::string texto;
        bool aspas = false;
        std::size_t fim = 0; // where it ends in the line
    };
    std::vector<Palavra> palavras;
    std::size_t i = 0;
    while (i < linha.size()) {
        while (i < linha.size() && (linha[i] == ' ' || linha[i] == '\t'))
            ++i;
        if (i == linha.size())
            break;
        Palavra p;
        bool entreAspas = false;
        for (; i < linha.size() && (entreAspas || (linha[i] != ' ' && linha[i] != '\t')); ++i) {
            const char c = linha[i];
            if (c == '"') {
                entreAspas = !entreAspas;
                p.aspas = true;
            } else if (entreAspas && c == '\\' && i + 1 < linha.size() &&
                       (linha[i + 1] == '"' || linha[i + 1] == '\\')) {
                p.texto += linha[++i];
            } else {
                p.texto += c;
            }
        }
        p.fim = i;
        palavras.push_back(std::move(p));
    }

    std::vector<std::string> resultado;
    if (palavras.empty())
        return resultado;
    const std::size_t inicio = linha.find_first_not_of(" \t");
    const auto ate = [&](std::size_t k) { return linha.substr(inicio, palavras[k].fim - inicio); };

    std::size_t programa = 0; // the last word of the program's name
    if (existe && !palavras[0].aspas && !existe(palavras[0].texto)) {
        for (std::size_t k = 1; k < palavras.size() && !palavras[k].aspas; ++k) {
            if (existe(ate(k))) {
                programa = k;
                break;
            }
        }
    }
    resultado.push_back(programa == 0 ? palavras[0].texto : ate(programa));
    for (std::size_t k = programa + 1; k < palavras.size(); ++k)
        resultado.push_back(palavras[k].texto);
    return resultado;
}

} // namespace plataforma
