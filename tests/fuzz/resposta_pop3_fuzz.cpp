// A POP3 reply arriving in any pieces: the buffer stays within one line's worth, the line taken is
// the one the whole stream starts with, and a STAT count either fails as a run-time error or gives a
// total that fits.
#include "mail/dialogo_pop3.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <vector>

using namespace quelza;

namespace {

// What the whole stream must give, worked out without the framing code.
EstadoBuffer EstadoEsperado(const std::string& fluxo, std::string& linha) {
    const auto fim = fluxo.find("\r\n");
    if (fim != std::string::npos && fim + 2 <= LimiteLinhaPop3) {
        linha = fluxo.substr(0, fim);
        return EstadoBuffer::Linha;
    }
    return fluxo.size() >= LimiteLinhaPop3 ? EstadoBuffer::Excedido : EstadoBuffer::Incompleto;
}

void ConfereContagem(const std::string& resposta, std::int16_t total) {
    double contagem;
    try {
        contagem = ContagemStat(resposta);
    } catch (const ErroExecucaoPop3&) {
        return;
    }
    if (std::isnan(contagem))
        std::abort();
    std::int16_t soma;
    try {
        soma = SomaMensagens(total, contagem);
    } catch (const ErroExecucaoPop3&) {
        return;
    }
    if (std::fabs(soma - (total + contagem)) > 0.5)
        std::abort();
    TextoTotal(soma, "09:30");
    TextoErroExecucao(soma, "09:30");
    TextoMensagensDaConta(std::llround(contagem));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    FuzzedDataProvider entrada(dados, tamanho);
    const auto total = entrada.ConsumeIntegral<std::int16_t>();
    // A piece may be repeated so that small inputs reach the line limit.
    std::vector<std::string> pedacos;
    std::string fluxo;
    while (entrada.remaining_bytes() > 0 && fluxo.size() <= 2 * LimiteLinhaPop3) {
        const auto vezes = entrada.ConsumeBool() ? entrada.ConsumeIntegralInRange<std::size_t>(1, 4096) : 1;
        const std::string bytes = entrada.ConsumeRandomLengthString(64);
        std::string pedaco;
        for (std::size_t i = 0; i < vezes; ++i)
            pedaco += bytes;
        fluxo += pedaco;
        pedacos.push_back(std::move(pedaco));
    }

    std::string buffer;
    for (const std::string& pedaco : pedacos) {
        AcrescentaResposta(buffer, pedaco);
        if (buffer.size() > LimiteLinhaPop3)
            std::abort();
    }
    std::string inteiro;
    AcrescentaResposta(inteiro, fluxo);
    std::string esperada;
    const EstadoBuffer estado = EstadoEsperado(fluxo, esperada);
    if (AvaliaBuffer(buffer) != estado || AvaliaBuffer(inteiro) != estado)
        std::abort();
    if (estado != EstadoBuffer::Linha)
        return 0;
    const std::string linha = TiraLinha(buffer);
    if (linha != esperada || TiraLinha(inteiro) != esperada || linha.size() + 2 > LimiteLinhaPop3)
        std::abort();
    // What stays behind the line is the stream's next bytes, within the limit.
    if (buffer.size() > LimiteLinhaPop3 - linha.size() - 2 ||
        fluxo.compare(linha.size() + 2, buffer.size(), buffer) != 0)
        std::abort();
    if (RespostaAceita(linha, CodigoAceito) != linha.starts_with("+OK"))
        std::abort();
    ConfereContagem(linha, total);
    return 0;
}
