#include "mail/dialogo_pop3.h"

#include "settings/formas_texto.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace quelza {

std::array<PassoPop3, 4> PassosPop3(const std::string& usuario, const std::string& senha) {
    return {{
        {"Conectando... ", "", "Erro. Sem Resposta do Servidor. "},
        {"Verificando Usuário...", "USER " + usuario + "\r\n", "Erro. Usuário Inválido. "},
        {"Autenticando...", "PASS " + senha + "\r\n", "Erro. Senha Inválida. "},
        {nullptr, "STAT \r\n", "Erro. Sem Resposta. "},
    }};
}

EstadoBuffer AvaliaBuffer(const std::string& buffer) {
    const auto fim = buffer.find("\r\n");
    if (fim != std::string::npos && fim + 2 <= LimiteLinhaPop3)
        return EstadoBuffer::Linha;
    return buffer.size() >= LimiteLinhaPop3 ? EstadoBuffer::Excedido : EstadoBuffer::Incompleto;
}

void AcrescentaResposta(std::string& buffer, std::string_view pedaco) {
    if (AvaliaBuffer(buffer) == EstadoBuffer::Incompleto)
        buffer.append(pedaco.substr(0, LimiteLinhaPop3 - buffer.size()));
}

std::string TiraLinha(std::string& buffer) {
    const auto fim = buffer.find("\r\n");
    std::string linha = buffer.substr(0, fim);
    buffer.erase(0, fim + 2);
    return linha;
}

bool RespostaAceita(const std::string& resposta, const std::string& codigo) {
    return resposta.starts_with(codigo);
}

double ContagemStat(const std::string& resposta) {
    constexpr std::size_t inicio = 4; // the fifth character
    const auto espaco = resposta.find(' ', inicio);
    if (espaco == std::string::npos)
        throw ErroExecucaoPop3{"Erro. Resposta Inválida."};
    return ValorInicial(resposta.substr(inicio, espaco - inicio));
}

std::int16_t SomaMensagens(std::int16_t total, double contagem) {
    const double soma = std::nearbyint(total + contagem); // halves to the even number
    if (!(soma >= std::numeric_limits<std::int16_t>::min() &&
          soma <= std::numeric_limits<std::int16_t>::max()))
        throw ErroExecucaoPop3{"Erro. Total de Mensagens Excessivo."};
    return static_cast<std::int16_t>(soma);
}

std::string HoraMinuto(plataforma::Instante instante) {
    const int segundos = plataforma::SegundosDoDia(instante);
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02d:%02d", segundos / 3600, segundos / 60 % 60);
    return texto;
}

std::string TextoTotal(std::int16_t total, const std::string& hora) {
    if (total < 1)
        return "0 mensagens às " + hora;
    return TextoMensagensDaConta(total) + " às " + hora;
}

std::string TextoErroExecucao(std::int16_t total, const std::string& hora) {
    if (total == 0)
        return "0 mensagens.";
    return std::to_string(total) + " mensagens. Erro às " + hora;
}

std::string TextoMensagensDaConta(long long contagem) {
    return std::to_string(contagem) + (contagem == 1 ? " mensagem" : " mensagens");
}

std::string DicaDaFalha(const char* falha) {
    std::string dica = falha;
    while (!dica.empty() && dica.back() == ' ')
        dica.pop_back();
    return dica;
}

} // namespace quelza
