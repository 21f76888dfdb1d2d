#include "platform/registro/colmeia_texto.h"

#include "platform/registro/registro_api.h"
#include "platform/texto/cp1252.h"
#include "platform/texto/texto_guardado.h"

#include <cstdio>
#include <optional>

namespace plataforma {
namespace {

constexpr std::string_view kCabecalho = "REGEDIT4";

// Codes written as \xHH: the controls, DEL, and the five that Windows-1252 leaves undefined, which
// would otherwise stand as invisible C1 controls in the file.
bool PedeEscape(unsigned char c) {
    return c < 32 || c == 127 || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

// One Windows-1252 code as the file writes it: \\ \" \xHH, or the code itself below 128.
void AcrescentaCodigo(std::string& texto, unsigned char c) {
    if (c == '\\' || c == '"') {
        texto += '\\';
        texto += static_cast<char>(c);
    } else if (PedeEscape(c)) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        texto += hex;
    } else if (c < 0x80) {
        texto += static_cast<char>(c); // the same in both code pages
    } else {
        texto += DeCp1252(std::string(1, static_cast<char>(c)));
    }
}

// `utf8`: the bytes are a UTF-8 text already. Its characters below 128 and the C1 characters that
// stand for the undefined codes (0xC2 and the code) are written as those codes; all else as it is.
std::string Aspas(std::string_view bytes, bool utf8 = false) {
    std::string texto = "\"";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const auto seguinte = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        if (!utf8 || c < 0x80) {
            AcrescentaCodigo(texto, c);
        } else if (c == 0xC2 && seguinte >= 0x80 && PedeEscape(seguinte)) {
            AcrescentaCodigo(texto, seguinte);
            ++i;
        } else {
            texto += static_cast<char>(c);
        }
    }
    return texto + '"';
}

std::string Hex(std::string_view bytes) {
    std::string texto = "hex:";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char par[4];
        std::snprintf(par, sizeof par, i ? ",%02x" : "%02x", static_cast<unsigned char>(bytes[i]));
        texto += par;
    }
    return texto;
}

std::string LinhaValor(const ValorColmeia& valor) {
    const std::string nome = valor.nome.empty() ? "@" : Aspas(valor.nome);
    return nome + "=" + (valor.tipo == REG_BINARY ? Hex(valor.dados) : Aspas(valor.dados, valor.utf8));
}

int DigitoHex(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<char> ByteHex(std::string_view par) {
    if (par.size() != 2 || DigitoHex(par[0]) < 0 || DigitoHex(par[1]) < 0)
        return std::nullopt;
    return static_cast<char>(DigitoHex(par[0]) * 16 + DigitoHex(par[1]));
}

struct Escape {
    char byte;
    std::size_t tamanho; // characters after the backslash
};

std::optional<Escape> LeEscape(std::string_view depois) {
    if (!depois.empty() && (depois[0] == '\\' || depois[0] == '"'))
        return Escape{depois[0], 1};
    const auto byte = depois.size() >= 3 && depois[0] == 'x' ? ByteHex(depois.substr(1, 2)) : std::nullopt;
    if (!byte)
        return std::nullopt;
    return Escape{*byte, 3};
}

// Reads the lines of one text, keeping what it understands and noting in `danificada` what it could
// not understand or keep.
class Leitor {
public:
    explicit Leitor(bool& danificada) : danificada_(danificada) {}

    // A UTF-8 run of the file as Windows-1252; a character the code page lacks marks the damage.
    std::string Bytes(std::string_view utf8) {
        if (auto exato = ParaCp1252Exato(utf8))
            return *exato;
        danificada_ = true;
        return ParaCp1252(utf8);
    }

    // The quoted text at the start of `linha`, which then holds what follows the closing quote. A
    // text holding a character Windows-1252 lacks is kept in UTF-8, its \xHH escapes read as the
    // code page's characters; a name cannot be kept so.
    std::optional<TextoGuardado> Citacao(std::string_view& linha, bool nome = false) {
        if (linha.empty() || linha.front() != '"')
            return std::nullopt;
        std::string codigos, utf8;
        bool foraDaPagina = false;
        std::size_t i = 1;
        while (i < linha.size()) {
            const auto parada = linha.find_first_of("\\\"", i);
            if (parada == std::string_view::npos)
                return std::nullopt;
            const std::string_view trecho = linha.substr(i, parada - i);
            const bool fora = !nome && Utf8Valido(trecho) && !ParaCp1252Exato(trecho);
            foraDaPagina = foraDaPagina || fora;
            const std::string bytes = fora ? std::string() : Bytes(trecho);
            utf8 += fora ? std::string(trecho) : DeCp1252(bytes);
            codigos += bytes;
            if (linha[parada] == '"') {
                linha.remove_prefix(parada + 1);
                return foraDaPagina ? TextoGuardado{std::move(utf8), true}
                                    : TextoGuardado{std::move(codigos)};
            }
            const auto escape = LeEscape(linha.substr(parada + 1));
            if (!escape)
                return std::nullopt;
            codigos += escape->byte;
            utf8 += DeCp1252(std::string_view(&escape->byte, 1));
            i = parada + 1 + escape->tamanho;
        }
        return std::nullopt;
    }

    std::optional<std::string> Binario(std::string_view lista) {
        std::string bytes;
        while (!lista.empty()) {
            const auto virgula = lista.find(',');
            const auto byte = ByteHex(lista.substr(0, virgula));
            if (!byte)
                return std::nullopt;
            bytes += *byte;
            if (virgula == std::string_view::npos)
                break;
            lista.remove_prefix(virgula + 1);
            if (lista.empty())
                return std::nullopt;
        }
        return bytes;
    }

    std::optional<ValorColmeia> Valor(std::string_view linha) {
        ValorColmeia valor;
        if (linha.front() == '@') {
            linha.remove_prefix(1);
        } else if (auto nome = Citacao(linha, true); nome && !nome->bytes.empty()) {
            valor.nome = std::move(nome->bytes);
        } else {
            return std::nullopt;
        }
        if (linha.empty() || linha.front() != '=')
            return std::nullopt;
        linha.remove_prefix(1);
        constexpr std::string_view kHex = "hex:";
        std::optional<TextoGuardado> dados;
        if (linha.substr(0, kHex.size()) == kHex) {
            valor.tipo = REG_BINARY;
            if (auto bytes = Binario(linha.substr(kHex.size())))
                dados = TextoGuardado{std::move(*bytes)};
        } else {
            valor.tipo = REG_SZ;
            dados = Citacao(linha);
            if (!linha.empty())
                return std::nullopt;
        }
        if (!dados)
            return std::nullopt;
        valor.dados = std::move(dados->bytes);
        valor.utf8 = dados->utf8;
        return valor;
    }

    void Linha(std::string_view linha, Colmeia& colmeia) {
        if (linha.find_first_not_of(" \t") == std::string_view::npos)
            return;
        if (linha.front() == '[' && linha.back() == ']') {
            const std::string caminho = Bytes(linha.substr(1, linha.size() - 2));
            if (!CaminhoChaveValido(caminho)) {
                danificada_ = true;
                atual_ = nullptr;
                return;
            }
            atual_ = &colmeia.Garante(caminho);
            return;
        }
        const auto valor =
            !atual_ || (linha.front() != '"' && linha.front() != '@') ? std::nullopt : Valor(linha);
        if (!valor) {
            danificada_ = true;
            return;
        }
        ChaveColmeia& chave = *atual_;
        // A second value of the same name would replace the first when written back.
        if (chave.Valor(valor->nome))
            danificada_ = true;
        chave.DefineValor(valor->nome, valor->tipo, valor->dados, valor->utf8);
    }

private:
    bool& danificada_;
    // The key of the last header; only a header adds keys, so it stays valid until the next one.
    ChaveColmeia* atual_ = nullptr;
};

} // namespace

std::string EscreveColmeia(const Colmeia& colmeia) {
    std::string texto(kCabecalho);
    texto += "\n";
    for (const ChaveColmeia& chave : colmeia.Chaves()) {
        if (chave.Valores().empty() && colmeia.TemSubchaves(chave.Caminho()))
            continue;
        texto += "\n[" + DeCp1252(chave.Caminho()) + "]\n";
        for (const ValorColmeia& valor : chave.Valores())
            texto += LinhaValor(valor) + "\n";
    }
    return texto;
}

LeituraColmeia InterpretaColmeia(std::string_view texto) {
    LeituraColmeia leitura;
    Leitor leitor(leitura.danificada);
    bool primeira = true;
    while (!texto.empty()) {
        const auto quebra = texto.find('\n');
        std::string_view linha = texto.substr(0, quebra);
        texto.remove_prefix(quebra == std::string_view::npos ? texto.size() : quebra + 1);
        if (!linha.empty() && linha.back() == '\r')
            linha.remove_suffix(1);
        if (primeira && linha == kCabecalho) {
            primeira = false;
            continue;
        }
        leitura.danificada = leitura.danificada || primeira;
        primeira = false;
        leitor.Linha(linha, leitura.colmeia);
    }
    return leitura;
}

} // namespace plataforma
