// The floor the program's start-up and memory are measured against: a bare Qt window of the main
// window's size, built and started the way the program is, with nothing in it. With --tique it also
// wakes ten times a second on a timer that does nothing, as the program's poller does: the floor
// of the program's idle CPU.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool tique = app.arguments().contains(QStringLiteral("--tique"));
    QWidget janela;
    janela.setFixedSize(151, 197);
    janela.setWindowTitle(tique ? QStringLiteral("janela nua com tique") : QStringLiteral("janela nua"));
    janela.show();
    QTimer relogio;
    if (tique) {
        QObject::connect(&relogio, &QTimer::timeout, [] {});
        relogio.start(100);
    }
    return app.exec();
}
