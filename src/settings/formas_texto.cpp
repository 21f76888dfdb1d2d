#include "settings/formas_texto.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace quelza {
namespace {

bool EhDigito(char c) { return c >= '0' && c <= '9'; }

bool EhBranco(char c) { return c == ' ' || c == '\t'; }

// Halves go to the even neighbour, as the stored numbers were always converted.
double ArredondaPar(double valor) {
    const double abaixo = std::floor(valor);
    const double fracao = valor - abaixo;
    if (fracao > 0.5 || (fracao == 0.5 && std::fmod(abaixo, 2.0) != 0.0))
        return abaixo + 1.0;
    return abaixo;
}

// Reads one to two digits at `pos` into `valor`; false when there is none.
bool LeCampo(const std::string& texto, std::size_t& pos, int& valor) {
    const std::size_t inicio = pos;
    valor = 0;
    while (pos < texto.size() && EhDigito(texto[pos]) && pos - inicio < 2)
        valor = valor * 10 + (texto[pos++] - '0');
    return pos > inicio;
}

bool ComecaSemCaixa(const std::string& texto, std::size_t pos, const char* palavra) {
    for (std::size_t i = 0; palavra[i]; ++i, ++pos) {
        if (pos >= texto.size())
            return false;
        char c = texto[pos];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 0x20);
        if (c != palavra[i])
            return false;
    }
    return true;
}

// A whole number of up to this many digits is below 2^53, and so exact in a double.
constexpr std::size_t DigitosExatos = 15;

} // namespace

std::string NumeroSimples(std::int64_t numero) { return std::to_string(numero); }

std::string NumeroAlinhado(std::int64_t numero) {
    return numero < 0 ? std::to_string(numero) : " " + std::to_string(numero);
}

double ValorInicial(const std::string& texto) {
    std::size_t pos = 0;
    while (pos < texto.size() && EhBranco(texto[pos]))
        ++pos;
    bool negativo = false;
    if (pos < texto.size() && (texto[pos] == '-' || texto[pos] == '+'))
        negativo = texto[pos++] == '-';

    const std::size_t inicio = pos;
    std::size_t digitos = 0;
    while (pos < texto.size() && EhDigito(texto[pos]))
        ++pos, ++digitos;
    const bool inteiro = pos >= texto.size() || texto[pos] != '.';
    if (!inteiro) {
        ++pos;
        while (pos < texto.size() && EhDigito(texto[pos]))
            ++pos, ++digitos;
    }
    if (digitos == 0)
        return 0.0;

    double valor = 0.0;
    if (inteiro && digitos <= DigitosExatos) {
        // The stored settings' numbers: read here, the general parser's code is never paged in.
        std::int64_t n = 0;
        for (std::size_t i = inicio; i < pos; ++i)
            n = n * 10 + (texto[i] - '0');
        valor = static_cast<double>(n);
    } else if (std::from_chars(texto.data() + inicio, texto.data() + pos, valor).ec ==
               std::errc::result_out_of_range) {
        valor = std::numeric_limits<double>::infinity();
    }
    return negativo ? -valor : valor;
}

double ValorInteiro(const std::string& texto) { return ArredondaPar(ValorInicial(texto)); }

template <typename Inteiro> Inteiro LeNumero(const std::string& texto) {
    const double valor = ValorInteiro(texto);
    if (!(valor >= static_cast<double>(std::numeric_limits<Inteiro>::min()) &&
          valor <= static_cast<double>(std::numeric_limits<Inteiro>::max())))
        throw FormaInvalida("número fora da faixa: " + texto);
    return static_cast<Inteiro>(valor);
}

template std::uint8_t LeNumero<std::uint8_t>(const std::string&);
template std::int16_t LeNumero<std::int16_t>(const std::string&);
template std::int32_t LeNumero<std::int32_t>(const std::string&);

std::string TextoHora(HoraDoDia hora) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02d:%02d:%02d", hora.Horas(), hora.Minutos(), hora.Segundos());
    return texto;
}

HoraDoDia LeHora(const std::string& texto) {
    std::size_t pos = 0;
    while (pos < texto.size() && EhBranco(texto[pos]))
        ++pos;
    if (pos == texto.size())
        return HoraDoDia{};

    int horas = 0, minutos = 0, segundos = 0;
    bool valido = LeCampo(texto, pos, horas);
    bool temMinutos = false;
    if (valido && pos < texto.size() && texto[pos] == ':') {
        ++pos;
        valido = temMinutos = LeCampo(texto, pos, minutos);
        if (valido && pos < texto.size() && texto[pos] == ':') {
            ++pos;
            valido = LeCampo(texto, pos, segundos);
        }
    }
    while (valido && pos < texto.size() && EhBranco(texto[pos]))
        ++pos;

    // A twelve-hour suffix; without minutes it is the only thing that makes a bare number a time.
    bool tarde = false, doze = false;
    if (valido && (ComecaSemCaixa(texto, pos, "AM") || ComecaSemCaixa(texto, pos, "PM"))) {
        tarde = ComecaSemCaixa(texto, pos, "PM");
        doze = true;
        pos += 2;
        while (pos < texto.size() && EhBranco(texto[pos]))
            ++pos;
    }
    valido = valido && pos == texto.size() && (temMinutos || doze) && minutos < 60 && segundos < 60;
    if (doze) {
        valido = valido && horas <= 12;
        horas = horas % 12 + (tarde ? 12 : 0);
    }
    if (!valido || horas > 23)
        throw FormaInvalida("hora inválida: " + texto);
    return HoraDoDia::De(horas, minutos, segundos);
}

std::string TextoBooleano(bool valor) { return valor ? "True" : "False"; }

std::optional<bool> LeBooleano(const std::string& texto) {
    if (texto == "True")
        return true;
    if (texto == "False")
        return false;
    return std::nullopt;
}

std::string SemBrancos(const std::string& texto) {
    const std::size_t inicio = texto.find_first_not_of(' ');
    if (inicio == std::string::npos)
        return {};
    return texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
}

} // namespace quelza
