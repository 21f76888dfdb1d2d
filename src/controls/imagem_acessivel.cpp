#include "controls/imagem_acessivel.h"

#include "controls/controles.h"

#include <QAccessibleWidget>

namespace {

class ImagemAcessivel final : public QAccessibleWidget {
public:
    explicit ImagemAcessivel(Imagem* imagem) : QAccessibleWidget(imagem) {}

    QAccessible::Role role() const override {
        if (!Controle().Click)
            return QAccessible::Graphic;
        return Controle().text().isEmpty() ? QAccessible::Button : QAccessible::Link;
    }

    // Its own accessible name first, then what it shows, then its tooltip.
    QString text(QAccessible::Text tipo) const override {
        QString dica = Controle().toolTip();
        if (tipo == QAccessible::Name) {
            for (const QString& nome : {Controle().accessibleName(), Controle().text()})
                if (!nome.isEmpty())
                    return nome;
            return dica;
        }
        if (tipo == QAccessible::Description && dica == text(QAccessible::Name))
            return {};
        return QAccessibleWidget::text(tipo);
    }

    QStringList actionNames() const override {
        QStringList nomes = QAccessibleWidget::actionNames();
        if (Controle().Click)
            nomes.prepend(pressAction());
        return nomes;
    }

    void doAction(const QString& acao) override {
        if (acao != pressAction()) {
            QAccessibleWidget::doAction(acao);
            return;
        }
        Imagem& imagem = Controle();
        if (imagem.Click && imagem.isEnabled())
            imagem.Click(imagem.Index);
    }

private:
    Imagem& Controle() const { return *static_cast<Imagem*>(widget()); }
};

QAccessibleInterface* InterfaceDaImagem(const QString&, QObject* objeto) {
    if (auto* imagem = dynamic_cast<Imagem*>(objeto))
        return new ImagemAcessivel(imagem);
    return nullptr;
}

} // namespace

void InstalaImagemAcessivel() {
    static const bool instalada = [] {
        QAccessible::installFactory(InterfaceDaImagem);
        return true;
    }();
    (void)instalada;
}
