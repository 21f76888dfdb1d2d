#include "platform/qt/som.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

namespace plataforma {
namespace {

// The cues play on a thread of their own: the closing cue is played right before the user-interface
// thread sleeps and the process ends, and a sound fed from a sleeping thread would not be heard.
// One effect for the whole process, so that a new cue replaces the one playing.
class Reprodutor {
public:
    static Reprodutor& Unico() {
        static Reprodutor* unico = [] {
            auto* r = new Reprodutor;
            // Stopped while the application object still exists: the audio back end dies with it.
            qAddPostRoutine([] { unico_->Para(); });
            return r;
        }();
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
        unico_ = this;
        fio_.setObjectName(QStringLiteral("som"));
        contexto_->moveToThread(&fio_);
        QObject::connect(&fio_, &QThread::finished, contexto_, &QObject::deleteLater);
        fio_.start();
    }

    void Para() {
        fio_.quit();
        fio_.wait();
    }

    static inline Reprodutor* unico_ = nullptr;
    QThread fio_;
    QObject* contexto_ = new QObject;
    QSoundEffect* efeito_ = nullptr; // lives on fio_, touched only there
};

class SomQt final : public Som {
public:
    bool Toca(const char* nome, std::uint32_t opcoes) override {
        // Only named files are known here; without SND_NODEFAULT the platform would substitute its
        // default sound, and this one has none.
        if (!nome || !(opcoes & SND_FILENAME))
            return false;
        const QString caminho = QString::fromUtf8(nome);
        const QFileInfo arquivo(caminho);
        const bool legivel = !caminho.isEmpty() && arquivo.isFile() && arquivo.isReadable();
        Reprodutor::Unico().Toca(legivel ? arquivo.absoluteFilePath() : QString());
        return legivel;
    }

    std::uint32_t Dispositivos() override {
        return static_cast<std::uint32_t>(QMediaDevices::audioOutputs().size());
    }
};

std::shared_ptr<Som>& Atual() {
    static std::shared_ptr<Som> atual = std::make_shared<SomQt>();
    return atual;
}

} // namespace

bool PlaySoundA(const char* nome, const void*, std::uint32_t opcoes) { return Atual()->Toca(nome, opcoes); }
std::uint32_t waveOutGetNumDevs() { return Atual()->Dispositivos(); }
void DefineSom(std::shared_ptr<Som> som) { Atual() = som ? std::move(som) : std::make_shared<SomQt>(); }

} // namespace plataforma
