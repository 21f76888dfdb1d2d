#include "mail/dialogo_imap.h"

#include "platform/texto/cp1252.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace quelza {
namespace {

constexpr const char* FalhaSaudacao = "Erro. Sem Resposta do Servidor. ";
constexpr const char* FalhaLogin = "Erro. Senha Inválida. ";
constexpr const char* FalhaEstado = "Erro. Sem Resposta. ";
constexpr const char* DicaRespostaInvalida = "Erro. Resposta Inválida.";
// Longer names or passwords go as literals, as do those with bytes a quoted string cannot hold.
constexpr std::size_t LimiteCitado = 1000;

bool ComecaSemCaixa(std::string_view texto, std::string_view prefixo) {
    return texto.size() >= prefixo.size() &&
           plataforma::IguaisSemCaixa(texto.substr(0, prefixo.size()), prefixo);
}

// The next word and what follows its blank.
std::string_view TiraPalavra(std::string_view& texto) {
    const auto espaco = texto.find(' ');
    const std::string_view palavra = texto.substr(0, espaco);
    texto.remove_prefix(espaco == std::string_view::npos ? texto.size() : espaco + 1);
    return palavra;
}

// A number of at most ten digits, as IMAP writes sizes and counts.
std::optional<unsigned long long> LeNumero(std::string_view texto) {
    if (texto.empty() || texto.size() > 10 ||
        !std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    unsigned long long numero = 0;
    for (char c : texto)
        numero = numero * 10 + static_cast<unsigned>(c - '0');
    return numero;
}

// The size of the literal a line announces at its end ("{12}" or "{12+}").
std::optional<unsigned long long> LiteralAnunciado(std::string_view linha) {
    if (!linha.ends_with('}'))
        return std::nullopt;
    const auto abre = linha.rfind('{');
    if (abre == std::string_view::npos)
        return std::nullopt;
    std::string_view numero = linha.substr(abre + 1, linha.size() - abre - 2);
    if (numero.ends_with('+'))
        numero.remove_suffix(1);
    return LeNumero(numero);
}

// An astring at the start of `texto` (atom, quoted string or literal), taken out of it.
std::optional<std::string> TiraCadeia(std::string_view& texto) {
    if (texto.starts_with('"')) {
        std::string cadeia;
        for (std::size_t i = 1; i < texto.size(); ++i) {
            if (texto[i] == '"') {
                texto.remove_prefix(i + 1);
                return cadeia;
            }
            if (texto[i] == '\\' && i + 1 < texto.size())
                ++i;
            cadeia += texto[i];
        }
        return std::nullopt;
    }
    if (texto.starts_with('{')) {
        const auto fim = texto.find("}\r\n");
        const auto tamanho =
            fim == std::string_view::npos ? std::nullopt : LeNumero(texto.substr(1, fim - 1));
        if (!tamanho || *tamanho > texto.size() - fim - 3)
            return std::nullopt;
        std::string cadeia(texto.substr(fim + 3, *tamanho));
        texto.remove_prefix(fim + 3 + *tamanho);
        return cadeia;
    }
    const auto fim = texto.find_first_of(" (");
    std::string cadeia(texto.substr(0, fim));
    texto.remove_prefix(fim == std::string_view::npos ? texto.size() : fim);
    if (cadeia.empty())
        return std::nullopt;
    return cadeia;
}

AcaoImap Envio(std::string comando, std::vector<const char*> rotulos = {}) {
    AcaoImap acao;
    acao.Tipo = AcaoImap::Tipo::Envia;
    acao.Comando = std::move(comando);
    acao.Rotulos = std::move(rotulos);
    return acao;
}

} // namespace

EstadoBuffer AvaliaBufferImap(std::string_view buffer, std::size_t& tamanho) {
    std::size_t inicio = 0;
    for (;;) {
        const auto fim = buffer.find("\r\n", inicio);
        if (fim == std::string_view::npos || fim + 2 > LimiteLinhaPop3)
            return buffer.size() >= LimiteLinhaPop3 ? EstadoBuffer::Excedido : EstadoBuffer::Incompleto;
        const auto literal = LiteralAnunciado(buffer.substr(inicio, fim - inicio));
        if (!literal) {
            tamanho = fim + 2;
            return EstadoBuffer::Linha;
        }
        if (*literal > LimiteLinhaPop3 - fim - 2)
            return EstadoBuffer::Excedido;
        inicio = fim + 2 + *literal;
        if (inicio > buffer.size())
            return EstadoBuffer::Incompleto;
    }
}

std::vector<std::string> CadeiaImap(const std::string& texto, bool semEspera) {
    const bool citavel = texto.size() <= LimiteCitado && std::all_of(texto.begin(), texto.end(), [](char c) {
                             return c > 0 && c != '\r' && c != '\n';
                         });
    if (citavel) {
        std::string citado = "\"";
        for (char c : texto) {
            if (c == '"' || c == '\\')
                citado += '\\';
            citado += c;
        }
        return {citado + '"'};
    }
    const std::string anuncio = "{" + std::to_string(texto.size()) + (semEspera ? "+}\r\n" : "}\r\n");
    if (semEspera)
        return {anuncio + texto};
    return {anuncio, texto};
}

DialogoImap::DialogoImap(std::string usuario, std::string senha, bool tls)
    : usuario_(std::move(usuario)), senha_(std::move(senha)), tls_(tls) {}

AcaoImap DialogoImap::Recebe(std::string_view resposta) {
    std::string_view linha = resposta.substr(0, resposta.size() - std::min<std::size_t>(resposta.size(), 2));
    if (etapa_ == Etapa::Saudacao) {
        if (!ComecaSemCaixa(linha, "* OK ") && !plataforma::IguaisSemCaixa(linha, "* OK"))
            return Falha(FalhaSaudacao);
        if (const auto codigo = linha.find('['); codigo != std::string_view::npos) {
            std::string_view resto = linha.substr(codigo + 1);
            if (ComecaSemCaixa(resto, "CAPABILITY "))
                LeCapacidades(resto.substr(11, resto.find(']') - 11));
        }
        return Negocia();
    }
    if (linha.starts_with('+')) {
        if (pendentes_.empty())
            return Falha(FalhaDaEtapa());
        AcaoImap proxima = std::move(pendentes_.back());
        pendentes_.pop_back();
        return proxima;
    }
    if (linha.starts_with("* ")) {
        std::string_view resto = linha.substr(2);
        const std::string_view palavra = TiraPalavra(resto);
        if (plataforma::IguaisSemCaixa(palavra, "CAPABILITY"))
            LeCapacidades(resto);
        else if (plataforma::IguaisSemCaixa(palavra, "STATUS") && etapa_ == Etapa::Estado)
            LeEstado(resto);
        else if (plataforma::IguaisSemCaixa(palavra, "BYE"))
            return Falha(FalhaDaEtapa());
        return {};
    }
    if (linha.starts_with(tag_ + " "))
        return Respondida(linha.substr(tag_.size() + 1));
    return Falha(FalhaDaEtapa());
}

AcaoImap DialogoImap::Respondida(std::string_view estado) {
    if (!ComecaSemCaixa(estado, "OK ") && !plataforma::IguaisSemCaixa(estado, "OK"))
        return Falha(FalhaDaEtapa());
    switch (etapa_) {
    case Etapa::Capacidade:
        capacidadesLidas_ = true;
        return Negocia();
    case Etapa::StartTls: {
        AcaoImap acao;
        acao.Tipo = AcaoImap::Tipo::IniciaTls;
        return acao;
    }
    case Etapa::Login:
        if (!pendentes_.empty())
            return Falha(FalhaLogin);
        return Comando(Etapa::Estado, "STATUS INBOX (UNSEEN)");
    case Etapa::Estado: {
        AcaoImap acao;
        if (!contou_) {
            acao.Tipo = AcaoImap::Tipo::ErroExecucao;
            acao.Dica = DicaRespostaInvalida;
            return acao;
        }
        acao.Tipo = AcaoImap::Tipo::Conta;
        acao.Contagem = contagem_;
        return acao;
    }
    case Etapa::Saudacao:
        break;
    }
    return Falha(FalhaDaEtapa());
}

AcaoImap DialogoImap::TlsEstabelecido() {
    // What the server said before TLS counts no more.
    tls_ = true;
    capacidadesLidas_ = startTls_ = loginDesabilitado_ = literalMais_ = false;
    return Negocia();
}

AcaoImap DialogoImap::SemResposta() const { return Falha(FalhaDaEtapa()); }

std::string DialogoImap::Logout() {
    tag_ = "a" + std::to_string(++numero_);
    return tag_ + " LOGOUT\r\n";
}

AcaoImap DialogoImap::Negocia() {
    if (!capacidadesLidas_)
        return Comando(Etapa::Capacidade, "CAPABILITY");
    if (!tls_ && startTls_)
        return Comando(Etapa::StartTls, "STARTTLS");
    if (loginDesabilitado_)
        return Falha(FalhaSaudacao, DicaLoginDesabilitado);
    return Login();
}

// LOGIN in as many parts as its literals need: the user's label with the first, the password's
// label with the part that begins the password.
AcaoImap DialogoImap::Login() {
    etapa_ = Etapa::Login;
    tag_ = "a" + std::to_string(++numero_);
    std::vector<AcaoImap> partes{Envio(tag_ + " LOGIN ", {"Verificando Usuário..."})};
    const auto acrescenta = [&](const std::string& texto, const char* rotulo) {
        const auto cadeia = CadeiaImap(texto, literalMais_);
        partes.back().Comando += cadeia.front();
        if (rotulo)
            partes.back().Rotulos.push_back(rotulo);
        for (std::size_t i = 1; i < cadeia.size(); ++i)
            partes.push_back(Envio(cadeia[i]));
    };
    acrescenta(usuario_, nullptr);
    partes.back().Comando += ' ';
    acrescenta(senha_, "Autenticando...");
    partes.back().Comando += "\r\n";
    pendentes_.assign(partes.rbegin(), partes.rend() - 1);
    return partes.front();
}

AcaoImap DialogoImap::Comando(Etapa etapa, const std::string& texto) {
    etapa_ = etapa;
    tag_ = "a" + std::to_string(++numero_);
    return Envio(tag_ + " " + texto + "\r\n");
}

AcaoImap DialogoImap::Falha(const char* texto, std::string dica) const {
    AcaoImap acao;
    acao.Tipo = AcaoImap::Tipo::Falha;
    acao.Falha = texto;
    acao.Dica = dica.empty() ? DicaDaFalha(texto) : std::move(dica);
    return acao;
}

const char* DialogoImap::FalhaDaEtapa() const {
    switch (etapa_) {
    case Etapa::Login:
        return FalhaLogin;
    case Etapa::Estado:
        return FalhaEstado;
    default:
        return FalhaSaudacao;
    }
}

void DialogoImap::LeCapacidades(std::string_view lista) {
    capacidadesLidas_ = true;
    startTls_ = loginDesabilitado_ = literalMais_ = false;
    while (!lista.empty()) {
        const std::string_view palavra = TiraPalavra(lista);
        startTls_ = startTls_ || plataforma::IguaisSemCaixa(palavra, "STARTTLS");
        loginDesabilitado_ = loginDesabilitado_ || plataforma::IguaisSemCaixa(palavra, "LOGINDISABLED");
        literalMais_ = literalMais_ || plataforma::IguaisSemCaixa(palavra, "LITERAL+");
    }
}

// "INBOX (UNSEEN 3)": the count of the mailbox asked for, with the attributes in any order.
void DialogoImap::LeEstado(std::string_view resto) {
    const auto caixa = TiraCadeia(resto);
    if (!caixa || !plataforma::IguaisSemCaixa(*caixa, "INBOX") || !resto.starts_with(" (") ||
        !resto.ends_with(')'))
        return;
    std::string_view atributos = resto.substr(2, resto.size() - 3);
    while (!atributos.empty()) {
        const std::string_view nome = TiraPalavra(atributos);
        const auto valor = LeNumero(TiraPalavra(atributos));
        if (!valor)
            return;
        if (plataforma::IguaisSemCaixa(nome, "UNSEEN")) {
            contou_ = true;
            contagem_ = static_cast<double>(*valor);
        }
    }
}

} // namespace quelza
