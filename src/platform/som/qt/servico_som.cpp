// The sound process, e-telvanor-som: the program starts it when it first asks for sound, and it plays
// the cues on PulseAudio for as long as the program asks. Once a short rest has passed with no cue
// playing and no request, it ends, and with it everything PulseAudio's libraries held; the program's
// next request starts it again. It also ends when the program does, and what it was playing stops
// then, as it would have in the program.
#include "platform/som/canal_som.h"
#include "platform/som/qt/som_pulse.h"

#include <chrono>
#include <string>

namespace {

using namespace plataforma;
using Relogio = std::chrono::steady_clock;

constexpr auto Repouso = std::chrono::seconds(2);
// How often a cue playing is looked at, to begin the rest once it is over.
constexpr auto Passo = std::chrono::milliseconds(200);

std::uint32_t Atende(SomPulse& som, const PedidoSom& pedido) {
    if (pedido.tipo == PedidoSom::Tipo::Dispositivos)
        return som.Dispositivos();
    return som.Toca(pedido.nome ? pedido.nome->c_str() : nullptr, pedido.opcoes) ? 1 : 0;
}

int Milissegundos(Relogio::duration d) {
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(d).count());
}

} // namespace

int main() {
    const std::unique_ptr<SomPulse> som = CriaSomPulse();
    Relogio::time_point ultimo = Relogio::now();
    for (;;) {
        const Relogio::time_point agora = Relogio::now();
        const bool tocando = som->Soando();
        if (tocando)
            ultimo = agora;
        else if (agora - ultimo >= Repouso)
            return 0;
        const int espera = Milissegundos(tocando ? Passo : ultimo + Repouso - agora);
        std::string pacote;
        switch (RecebePacote(DescritorCanalSom, pacote, espera)) {
        case RecepcaoSom::Recebido: {
            const std::optional<PedidoSom> pedido = InterpretaPedido(pacote);
            if (!EnviaPacote(DescritorCanalSom, CodificaResposta(pedido ? Atende(*som, *pedido) : 0)))
                return 0;
            ultimo = Relogio::now();
            break;
        }
        case RecepcaoSom::Esgotado:
            break;
        case RecepcaoSom::Fechado:
            return 0;
        }
    }
}
