// A private D-Bus bus for tests and benchmarks: dbus-daemon in a temporary folder, standing for the
// system or the session bus (its address in the variable that names that bus) while the object
// lives, with one python-dbusmock template on it. Both processes are stopped by their pid.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariantList>

#include <functional>
#include <vector>

class BarramentoPrivado {
public:
    // `variavel`: DBUS_SYSTEM_BUS_ADDRESS or DBUS_SESSION_BUS_ADDRESS.
    explicit BarramentoPrivado(const char* variavel);
    ~BarramentoPrivado();
    BarramentoPrivado(const BarramentoPrivado&) = delete;
    BarramentoPrivado& operator=(const BarramentoPrivado&) = delete;

    bool Iniciado() const { return !endereco_.isEmpty(); }
    const QString& Endereco() const { return endereco_; }
    // A fresh connection to the bus, closed with the bus.
    QDBusConnection NovaConexao();

    // Starts dbusmock's `modelo` (with its JSON `parametros`, if any) and waits until it owns
    // `servico`; false when it did not.
    bool IniciaMock(const QString& modelo, const QString& servico, const QString& parametros = {});
    QProcess& Mock() { return mock_; }

    // Processes events until `condicao` holds; false when it never did.
    static bool Ate(const std::function<bool()>& condicao);

private:
    QByteArray variavel_, enderecoAnterior_;
    QTemporaryDir pasta_;
    QProcess barramento_;
    QProcess mock_;
    QString endereco_;
    QString nomeConexoes_;
    int conexoes_ = 0;
};

// The reply of a dbusmock object's GetMethodCalls read: the arguments of each call, in order, with
// their variants unwrapped.
std::vector<QVariantList> ChamadasDoMock(const QDBusMessage& resposta);
