// The Qt Multimedia playback, built as a module of its own: the program loads it when it first asks
// for sound, so that a start does not wait for the media libraries to load.
#include "platform/som/qt/som.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QtGlobal>

namespace plataforma {
namespace {

// The cues play on a thread of their own: the closing cue is played right before the user-interface
// thread sleeps and the process ends, and a sound fed from a sleeping thread would not be heard.
// One effect for the whole process, so that a new cue replaces the one playing.
class Reprodutor {
public:
    static Reprodutor& Unico() {
        static auto* unico = new Reprodutor;
        return *unico;
    }

    // An empty path only stops the cue playing.
    void Toca(const QString& caminho) {
        QMetaObject::invokeMethod(contexto_, [this, caminho] {
            if (!efeito_)
                efeito_ = new QSoundEffect(contexto_);
            efeito_->stop();
            if (caminho.isEmpty())
                return;
            efeito_->setSource(QUrl::fromLocalFile(caminho));
            efeito_->play();
        });
    }

private:
    Reprodutor() {
        // The media back end is made here, on the interface thread that also counts the devices,
        // not on the playing thread.
        QMediaDevices::defaultAudioOutput();
        fio_.setObjectName(QStringLiteral("som"));
        contexto_->moveToThread(&fio_);
        QObject::connect(&fio_, &QThread::finished, contexto_, &QObject::deleteLater);
        fio_.start();
        // Stopped while the application object still exists: the audio back end dies with it.
        qAddPostRoutine([] { Unico().Para(); });
    }

    void Para() {
        fio_.quit();
        fio_.wait();
    }

    QThread fio_;
    QObject* contexto_ = new QObject;
    QSoundEffect* efeito_ = nullptr; // lives on fio_, touched only there
};

// Without a sound server the audio back end tells standard error so at every start ("PulseAudioService:
// pa_context_connect() failed"), though all it means is that there is no device, which the device count
// already says. Its lines are dropped; every other message goes where it went before the module loaded.
QtMessageHandler mensagensAnteriores = nullptr;

void FiltraMensagens(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo != QtFatalMsg && texto.startsWith(QLatin1String("PulseAudioService:")))
        return;
    mensagensAnteriores(tipo, contexto, texto);
}

class SomQt final : public Som {
public:
    // The filter goes in once, before the media back end is made.
    SomQt() {
        static const QtMessageHandler anteriores = qInstallMessageHandler(FiltraMensagens);
        mensagensAnteriores = anteriores;
    }

    // Only named files are known here. A null name stops the cue playing, and so does a file that
    // cannot be played: there is no default sound to put in its place, with or without SND_NODEFAULT.
    bool Toca(const char* nome, std::uint32_t opcoes) override {
        const QFileInfo arquivo(nome ? QString::fromUtf8(nome) : QString());
        const bool legivel = (opcoes & SND_FILENAME) && !arquivo.filePath().isEmpty() && arquivo.isFile() &&
                             arquivo.isReadable();
        Reprodutor::Unico().Toca(legivel ? arquivo.absoluteFilePath() : QString());
        return legivel;
    }

    std::uint32_t Dispositivos() override {
        return static_cast<std::uint32_t>(QMediaDevices::audioOutputs().size());
    }
};

} // namespace
} // namespace plataforma

// EntradaModuloSom.
extern "C" __attribute__((visibility("default"))) plataforma::Som* telvanor_som_cria() {
    return new plataforma::SomQt;
}
