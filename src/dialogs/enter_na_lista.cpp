#include "dialogs/enter_na_lista.h"

#include <QKeyEvent>

#include <utility>

namespace {

class FiltroEnter final : public QObject {
public:
    FiltroEnter(QListWidget* lista, std::function<void()> aoEnter)
        : QObject(lista), lista_(lista), aoEnter_(std::move(aoEnter)) {}

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress || lista_->currentRow() < 0)
            return QObject::eventFilter(objeto, evento);
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)
            return QObject::eventFilter(objeto, evento);
        aoEnter_();
        return true;
    }

private:
    QListWidget* lista_;
    std::function<void()> aoEnter_;
};

} // namespace

void EnterNaLista(QListWidget* lista, std::function<void()> aoEnter) {
    lista->installEventFilter(new FiltroEnter(lista, std::move(aoEnter)));
}
