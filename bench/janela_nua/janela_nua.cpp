// The floor the program's start-up and memory are measured against: a bare Qt window of the main
// window's size, built and started the way the program is, with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget janela;
    janela.setFixedSize(151, 197);
    janela.setWindowTitle(QStringLiteral("janela nua"));
    janela.show();
    return app.exec();
}
