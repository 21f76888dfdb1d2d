#include "support/barramento_privado.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QThread>

BarramentoPrivado::BarramentoPrivado(const char* variavel)
    : variavel_(variavel), enderecoAnterior_(qgetenv(variavel)) {
    const QString soquete = pasta_.filePath(QStringLiteral("barramento"));
    barramento_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                       QStringLiteral("--address=unix:path=") + soquete,
                       QStringLiteral("--config-file=" CONFIG_BARRAMENTO)});
    if (!barramento_.waitForStarted(10000))
        return;
    const QDeadlineTimer limite(15000);
    while (!barramento_.canReadLine() && !limite.hasExpired())
        barramento_.waitForReadyRead(100);
    endereco_ = QString::fromUtf8(barramento_.readLine()).trimmed();
    if (!endereco_.isEmpty())
        qputenv(variavel_.constData(), endereco_.toUtf8());
    nomeConexoes_ = QStringLiteral("barramento-privado-%1-").arg(reinterpret_cast<quintptr>(this));
}

BarramentoPrivado::~BarramentoPrivado() {
    for (QProcess* processo : {&mock_, &barramento_}) {
        if (processo->state() == QProcess::NotRunning)
            continue;
        processo->terminate();
        if (!processo->waitForFinished(5000)) {
            processo->kill();
            processo->waitForFinished(5000);
        }
    }
    for (int i = 0; i < conexoes_; ++i)
        QDBusConnection::disconnectFromBus(nomeConexoes_ + QString::number(i));
    if (enderecoAnterior_.isNull())
        qunsetenv(variavel_.constData());
    else
        qputenv(variavel_.constData(), enderecoAnterior_);
}

QDBusConnection BarramentoPrivado::NovaConexao() {
    return QDBusConnection::connectToBus(endereco_, nomeConexoes_ + QString::number(conexoes_++));
}

bool BarramentoPrivado::IniciaMock(const QString& modelo, const QString& servico, const QString& parametros) {
    if (!Iniciado())
        return false;
    auto ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QString::fromLatin1(variavel_), endereco_);
    mock_.setProcessEnvironment(ambiente);
    QStringList argumentos{QStringLiteral("-m"), QStringLiteral("dbusmock")};
    if (variavel_ == "DBUS_SESSION_BUS_ADDRESS")
        argumentos << QStringLiteral("--session");
    argumentos << QStringLiteral("--template") << modelo << QStringLiteral("-l")
               << pasta_.filePath(QStringLiteral("mock.log"));
    if (!parametros.isEmpty())
        argumentos << QStringLiteral("--parameters") << parametros;
    // Debian's own interpreter, which has dbusmock; the one first on PATH may not.
    mock_.start(QStringLiteral("/usr/bin/python3"), argumentos);
    if (!mock_.waitForStarted(10000))
        return false;
    QDBusConnection controle = NovaConexao();
    return Ate([&] {
               return controle.interface()->isServiceRegistered(servico).value() ||
                      mock_.state() == QProcess::NotRunning;
           }) &&
           mock_.state() != QProcess::NotRunning;
}

bool BarramentoPrivado::Ate(const std::function<bool()>& condicao) {
    const QDeadlineTimer limite(10000);
    while (!condicao()) {
        if (limite.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

std::vector<QVariantList> ChamadasDoMock(const QDBusMessage& resposta) {
    const auto lista = qvariant_cast<QDBusArgument>(resposta.arguments().value(0));
    std::vector<QVariantList> chamadas;
    lista.beginArray();
    while (!lista.atEnd()) {
        qulonglong instante = 0;
        QVariantList argumentos;
        lista.beginStructure();
        lista >> instante >> argumentos;
        lista.endStructure();
        for (QVariant& argumento : argumentos)
            if (argumento.userType() == qMetaTypeId<QDBusVariant>())
                argumento = qvariant_cast<QDBusVariant>(argumento).variant();
        chamadas.push_back(argumentos);
    }
    lista.endArray();
    return chamadas;
}
