#include "platform/ajuda/qt/ajuda.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>

namespace plataforma {
namespace {

std::string& Caminho() {
    static std::string caminho;
    return caminho;
}

} // namespace

void DefineArquivoAjuda(const std::string& caminho) { Caminho() = caminho; }
const std::string& ArquivoAjuda() { return Caminho(); }

void MostraAjuda() {
    static QPointer<QTextBrowser> visor;
    if (!visor) {
        visor = new QTextBrowser;
        visor->setAttribute(Qt::WA_DeleteOnClose);
        visor->setOpenExternalLinks(true);
        visor->resize(560, 480);
    }
    QFile arquivo(QString::fromStdString(Caminho()));
    if (arquivo.open(QIODevice::ReadOnly)) {
        visor->setHtml(QString::fromUtf8(arquivo.readAll()));
        visor->setWindowTitle(QStringLiteral("Ajuda do e-Telvanor 3.1"));
    } else {
        visor->setPlainText(QStringLiteral("Não foi possível abrir o arquivo de ajuda %1.")
                                .arg(QString::fromStdString(Caminho())));
        visor->setWindowTitle(QStringLiteral("e-Telvanor 3.1"));
    }
    visor->show();
    visor->raise();
    visor->activateWindow();
}

} // namespace plataforma
