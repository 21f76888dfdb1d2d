#include "platform/som/qt/som_pulse.h"

#include "platform/arquivos/arquivo_atomico.h"
#include "platform/som/onda.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace plataforma {
namespace {

// How long a call waits for the server to connect or to answer before it takes the server as absent.
constexpr pa_usec_t Prazo = PA_USEC_PER_SEC;
// How far ahead of the speaker a cue is written: the server's default of two seconds would hold a
// short cue back until it is drained, and a closing cue until after the program has ended.
constexpr pa_usec_t Latencia = 100 * PA_USEC_PER_MSEC;

pa_sample_format_t FormatoPulse(FormatoAmostra formato) {
    switch (formato) {
    case FormatoAmostra::U8:
        return PA_SAMPLE_U8;
    case FormatoAmostra::S16LE:
        return PA_SAMPLE_S16LE;
    case FormatoAmostra::S24LE:
        return PA_SAMPLE_S24LE;
    case FormatoAmostra::S32LE:
        return PA_SAMPLE_S32LE;
    case FormatoAmostra::Float32LE:
        return PA_SAMPLE_FLOAT32LE;
    case FormatoAmostra::ALaw:
        return PA_SAMPLE_ALAW;
    case FormatoAmostra::ULaw:
        return PA_SAMPLE_ULAW;
    }
    return PA_SAMPLE_INVALID;
}

// A regular file read whole; a folder, a pipe or a file that cannot be read is not.
bool Le(const char* nome, std::string& bytes) {
    std::error_code erro;
    if (!std::filesystem::is_regular_file(nome, erro))
        return false;
    LeituraArquivo leitura = LeArquivoInteiro(nome);
    bytes = std::move(leitura.conteudo);
    return leitura.estado == EstadoLeitura::Lido;
}

class Trava {
public:
    explicit Trava(pa_threaded_mainloop* laco) : laco_(laco) { pa_threaded_mainloop_lock(laco_); }
    ~Trava() { pa_threaded_mainloop_unlock(laco_); }
    Trava(const Trava&) = delete;
    Trava& operator=(const Trava&) = delete;

private:
    pa_threaded_mainloop* laco_;
};

// A cue on its way to the server: the file's bytes and the samples not yet written. Made and
// destroyed with the loop's lock held.
struct Tocando {
    ~Tocando() {
        if (!fluxo)
            return;
        pa_stream_set_write_callback(fluxo, nullptr, nullptr);
        pa_stream_disconnect(fluxo);
        pa_stream_unref(fluxo);
    }
    std::string arquivo;
    std::string_view resta;
    pa_stream* fluxo = nullptr;
};

// Everything runs on the loop's own thread, under its lock; the calls take the lock and wait on it.
// The cues play there too, while the calls go on being answered. One cue at a time, so that a new one
// replaces the one playing. Without a server, or after losing it, each call connects anew.
class SomDoPulse final : public SomPulse {
public:
    SomDoPulse() : laco_(pa_threaded_mainloop_new()) {
        if (!laco_)
            return;
        pa_threaded_mainloop_set_name(laco_, "som");
        if (pa_threaded_mainloop_start(laco_) < 0) {
            pa_threaded_mainloop_free(laco_);
            laco_ = nullptr;
        }
    }

    ~SomDoPulse() override {
        if (!laco_)
            return;
        {
            Trava trava(laco_);
            Desconecta();
        }
        pa_threaded_mainloop_stop(laco_);
        pa_threaded_mainloop_free(laco_);
    }

    // Only named files are known here. A null name stops the cue playing, and so does a file that
    // cannot be played: there is no default sound to put in its place, with or without SND_NODEFAULT.
    bool Toca(const char* nome, std::uint32_t opcoes) override {
        auto novo = std::make_unique<Tocando>();
        const bool lido = (opcoes & SND_FILENAME) && nome && Le(nome, novo->arquivo);
        const auto onda = lido ? InterpretaOnda(novo->arquivo) : std::nullopt;
        if (!laco_)
            return false;
        Trava trava(laco_);
        tocando_.reset();
        return onda && Conectado() && Inicia(std::move(novo), nome, *onda);
    }

    bool Soando() override {
        if (!laco_)
            return false;
        Trava trava(laco_);
        return tocando_ && PA_STREAM_IS_GOOD(pa_stream_get_state(tocando_->fluxo));
    }

    // The server's sinks.
    std::uint32_t Dispositivos() override {
        if (!laco_)
            return 0;
        Trava trava(laco_);
        if (!Conectado())
            return 0;
        struct Contagem {
            pa_threaded_mainloop* laco;
            std::uint32_t saidas = 0;
            bool fim = false;
        } contagem{laco_};
        pa_operation* lista = pa_context_get_sink_info_list(
            contexto_,
            [](pa_context*, const pa_sink_info*, int fim, void* dados) {
                auto* c = static_cast<Contagem*>(dados);
                if (fim)
                    c->fim = true;
                else
                    ++c->saidas;
                pa_threaded_mainloop_signal(c->laco, 0);
            },
            &contagem);
        if (!lista)
            return 0;
        Espera([&] { return contagem.fim || pa_operation_get_state(lista) != PA_OPERATION_RUNNING; });
        if (pa_operation_get_state(lista) == PA_OPERATION_RUNNING)
            pa_operation_cancel(lista);
        pa_operation_unref(lista);
        return contagem.fim ? contagem.saidas : 0;
    }

private:
    static void Avisa(pa_context*, void* laco) {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(laco), 0);
    }

    // Waits until `pronto` holds or the server has taken too long: the start must not hang on a
    // server that does not answer.
    template <typename Pronto> void Espera(Pronto pronto) {
        struct Limite {
            pa_threaded_mainloop* laco;
            bool esgotado = false;
        } limite{laco_};
        pa_time_event* alarme = pa_context_rttime_new(
            contexto_, pa_rtclock_now() + Prazo,
            [](pa_mainloop_api*, pa_time_event*, const timeval*, void* dados) {
                auto* l = static_cast<Limite*>(dados);
                l->esgotado = true;
                pa_threaded_mainloop_signal(l->laco, 0);
            },
            &limite);
        while (!pronto() && !limite.esgotado)
            pa_threaded_mainloop_wait(laco_);
        pa_threaded_mainloop_get_api(laco_)->time_free(alarme);
    }

    // No server is started for the program (PA_CONTEXT_NOAUTOSPAWN).
    bool Conectado() {
        if (contexto_ && pa_context_get_state(contexto_) == PA_CONTEXT_READY)
            return true;
        Desconecta();
        contexto_ = pa_context_new(pa_threaded_mainloop_get_api(laco_), "e-Telvanor");
        if (!contexto_)
            return false;
        pa_context_set_state_callback(contexto_, Avisa, laco_);
        if (pa_context_connect(contexto_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
        Espera([this] {
            const pa_context_state_t estado = pa_context_get_state(contexto_);
            return estado == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(estado);
        });
        return pa_context_get_state(contexto_) == PA_CONTEXT_READY;
    }

    void Desconecta() {
        tocando_.reset();
        if (!contexto_)
            return;
        pa_context_set_state_callback(contexto_, nullptr, nullptr);
        pa_context_disconnect(contexto_);
        pa_context_unref(contexto_);
        contexto_ = nullptr;
    }

    // The samples are written as the server asks for them; once all are, the stream is drained and
    // then closed.
    bool Inicia(std::unique_ptr<Tocando> novo, const char* nome, const Onda& onda) {
        if (onda.canais > PA_CHANNELS_MAX)
            return false;
        const pa_sample_spec amostras{FormatoPulse(onda.formato), onda.taxa,
                                      static_cast<std::uint8_t>(onda.canais)};
        if (!pa_sample_spec_valid(&amostras))
            return false;
        pa_channel_map canais;
        pa_channel_map_init_extend(&canais, amostras.channels, PA_CHANNEL_MAP_WAVEEX);
        pa_proplist* propriedades = pa_proplist_new();
        pa_proplist_sets(propriedades, PA_PROP_MEDIA_ROLE, "event");
        novo->fluxo = pa_stream_new_with_proplist(contexto_, nome, &amostras, &canais, propriedades);
        pa_proplist_free(propriedades);
        if (!novo->fluxo)
            return false;
        novo->resta = onda.dados;
        pa_stream_set_write_callback(novo->fluxo, Escreve, this);
        const auto sem = static_cast<std::uint32_t>(-1); // the server's choice
        const pa_buffer_attr buffer{.maxlength = sem,
                                    .tlength =
                                        static_cast<std::uint32_t>(pa_usec_to_bytes(Latencia, &amostras)),
                                    .prebuf = sem,
                                    .minreq = sem,
                                    .fragsize = sem};
        if (pa_stream_connect_playback(novo->fluxo, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                       nullptr) < 0)
            return false;
        tocando_ = std::move(novo);
        return true;
    }

    static void Escreve(pa_stream* fluxo, std::size_t pedido, void* dados) {
        auto* som = static_cast<SomDoPulse*>(dados);
        std::string_view& resta = som->tocando_->resta;
        std::size_t n = std::min(pedido, resta.size());
        n -= n % pa_frame_size(pa_stream_get_sample_spec(fluxo));
        if (n > 0 && pa_stream_write(fluxo, resta.data(), n, nullptr, 0, PA_SEEK_RELATIVE) == 0)
            resta.remove_prefix(n);
        if (!resta.empty())
            return;
        pa_stream_set_write_callback(fluxo, nullptr, nullptr);
        if (pa_operation* drenagem = pa_stream_drain(fluxo, Drenado, som))
            pa_operation_unref(drenagem);
    }

    // A stream already replaced may still report its drain.
    static void Drenado(pa_stream* fluxo, int, void* dados) {
        auto* som = static_cast<SomDoPulse*>(dados);
        if (som->tocando_ && som->tocando_->fluxo == fluxo)
            som->tocando_.reset();
    }

    pa_threaded_mainloop* laco_;
    pa_context* contexto_ = nullptr;
    std::unique_ptr<Tocando> tocando_;
};

} // namespace

std::unique_ptr<SomPulse> CriaSomPulse() { return std::make_unique<SomDoPulse>(); }

} // namespace plataforma
