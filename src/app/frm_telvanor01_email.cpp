// The main window's side of the mail check: what the check shows on the window, and the periodic
// trigger.
#include "app/frm_telvanor01.h"
#include "app/sons.h"
#include "mail/janela_email.h"
#include "mail/verificacao_contas.h"
#include "settings/quelza.h"

#include <QHelpEvent>
#include <QToolTip>

namespace {

class JanelaEmailDoFormulario final : public quelza::JanelaEmail {
public:
    explicit JanelaEmailDoFormulario(frmTelvanor01& f) : f_(f) {}

    void DefineRótuloEmail(const std::string& texto) override {
        DefineCaption(f_.lblContaEmail, texto);
        MostraDica();
    }
    void DefineDicaEmail(const std::string& texto) override {
        dica_ = QString::fromStdString(texto);
        MostraDica();
    }
    void DefineFiguraEmail(quelza::FiguraEmail figura) override {
        f_.img[200]->DefinePicture(f_.imgX[static_cast<int>(figura)]);
    }
    void HabilitaFechar(bool habilitado) override { f_.img[5]->setEnabled(habilitado); }
    bool TemDispositivoSom() override { return quelza::TemDispositivoSom(); }
    void TocaSom(const std::string& caminho) override { quelza::TocaSom(caminho); }

private:
    // A label too long even for its smallest size is elided on screen: the tooltip then opens with
    // the whole text, above each account's outcome.
    void MostraDica() {
        QString dica = dica_;
        if (f_.lblContaEmail->Ajuste().Elidido)
            dica = f_.lblContaEmail->text() + (dica.isEmpty() ? QString() : u'\n' + dica);
        f_.lblContaEmail->setToolTip(dica);
    }

    frmTelvanor01& f_;
    QString dica_;
};

// The labels let the mouse through to the skin, so that the window drags from anywhere; the skin
// shows the mail label's tooltip when the mouse rests over the label.
class DicaDoRotuloEmail final : public QObject {
public:
    explicit DicaDoRotuloEmail(frmTelvanor01& f) : QObject(&f), f_(f) {}

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::ToolTip)
            return QObject::eventFilter(objeto, evento);
        const auto* ajuda = static_cast<QHelpEvent*>(evento);
        const QString dica = f_.lblContaEmail->toolTip();
        if (dica.isEmpty() || !f_.lblContaEmail->geometry().contains(f_.Image1->mapTo(&f_, ajuda->pos())))
            return QObject::eventFilter(objeto, evento);
        QToolTip::showText(ajuda->globalPos(), dica, f_.lblContaEmail);
        return true;
    }

private:
    frmTelvanor01& f_;
};

} // namespace

void frmTelvanor01::RegistraJanelaEmail() {
    janelaEmail_ = std::make_unique<JanelaEmailDoFormulario>(*this);
    plataforma::JanelaRegistrada<quelza::JanelaEmail>::Registra(janelaEmail_.get());
    Image1->installEventFilter(new DicaDoRotuloEmail(*this));
}

// The period counts from the moment the poller enabled the timer; a run that finds another under
// way counts as done, so the count starts over either way.
void frmTelvanor01::tmrEmail_Timer() {
    using namespace quelza;
    TempoCorrido += 1;
    if (TempoCorrido == ChecarPeriodicamente) {
        VerificaTodasAsContas();
        TempoCorrido = 0;
    }
}
