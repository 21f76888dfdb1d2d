#include "platform/catalogo_simulado.h"

#include "platform/cp1252.h"
#include "platform/perfil.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <unistd.h>

namespace plataforma {
namespace {

std::string TextoPadrao() {
    const std::string linhas[] = {
        "; Catálogo da linha simulada: uma seção por entrada, na ordem em que aparecem.",
        "; Chaves opcionais: Telefone; Usuário e Senha (com Usuário, só esse usuário e essa senha",
        "; entram); Discagem e Autenticação (milissegundos em cada estado); Queda (segundos depois",
        "; de conectar até a linha cair sozinha, 0 = nunca); Erro (código que a discagem devolve).",
        std::string("[") + EntradaPadraoCatalogo + "]",
        "Telefone=0800 000 0000",
        "Discagem=1500",
        "Autenticação=800",
        "Queda=0",
    };
    std::string texto;
    for (const std::string& linha : linhas)
        texto += ParaCp1252(linha) + "\r\n";
    return texto;
}

std::string Le(const std::string& arquivo, const std::string& secao, const char* chaveUtf8) {
    char buffer[1024];
    GetPrivateProfileStringA(secao.c_str(), ParaCp1252(chaveUtf8).c_str(), "", buffer, sizeof buffer,
                             arquivo.c_str());
    return buffer;
}

// A number of the file, or `padrao` when the value is missing or not a whole non-negative number.
std::uint32_t Numero(const std::string& texto, std::uint32_t padrao) {
    std::uint32_t valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    return erro == std::errc{} && fim == texto.data() + texto.size() ? valor : padrao;
}

EntradaCatalogo LeEntrada(const std::string& arquivo, const std::string& secao) {
    EntradaCatalogo entrada;
    entrada.nome = secao;
    entrada.telefone = Le(arquivo, secao, "Telefone");
    entrada.usuario = Le(arquivo, secao, "Usuário");
    entrada.senha = Le(arquivo, secao, "Senha");
    entrada.discagemMs = Numero(Le(arquivo, secao, "Discagem"), entrada.discagemMs);
    entrada.autenticacaoMs = Numero(Le(arquivo, secao, "Autenticação"), entrada.autenticacaoMs);
    entrada.quedaS = Numero(Le(arquivo, secao, "Queda"), entrada.quedaS);
    entrada.erro = Numero(Le(arquivo, secao, "Erro"), entrada.erro);
    return entrada;
}

} // namespace

void GaranteCatalogo(const std::string& arquivo) {
    // O_EXCL: two processes starting together must not both write, nor wipe a user's file.
    const int fd = ::open(arquivo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const std::string texto = TextoPadrao();
    std::size_t escrito = 0;
    while (escrito < texto.size()) {
        const ssize_t n = ::write(fd, texto.data() + escrito, texto.size() - escrito);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        escrito += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

std::vector<std::string> NomesDoCatalogo(const std::string& arquivo) {
    // Grown until the list fits: the reader cuts a list that does not fit and returns size - 2.
    constexpr std::size_t Limite = std::size_t{1} << 24;
    std::vector<char> buffer(16384);
    std::uint32_t usados = GetPrivateProfileSectionNamesA(buffer.data(), buffer.size(), arquivo.c_str());
    while (usados + 2 >= buffer.size() && buffer.size() < Limite) {
        buffer.resize(buffer.size() * 2);
        usados = GetPrivateProfileSectionNamesA(buffer.data(), buffer.size(), arquivo.c_str());
    }
    std::vector<std::string> nomes;
    for (std::size_t i = 0; i < usados && buffer[i] != '\0';) {
        nomes.emplace_back(&buffer[i]);
        i += nomes.back().size() + 1;
    }
    return nomes;
}

std::optional<EntradaCatalogo> EntradaDoCatalogo(const std::string& arquivo, const std::string& nome) {
    for (const std::string& secao : NomesDoCatalogo(arquivo)) {
        if (IguaisSemCaixa(secao, nome))
            return LeEntrada(arquivo, secao);
    }
    return std::nullopt;
}

bool GravaEntradaCatalogo(const std::string& arquivo, const EntradaCatalogo& entrada) {
    GaranteCatalogo(arquivo);
    const char* secao = entrada.nome.c_str();
    if (!WritePrivateProfileStringA(secao, nullptr, nullptr, arquivo.c_str()))
        return false;
    auto grava = [&](const char* chaveUtf8, const std::string& valor) {
        return WritePrivateProfileStringA(secao, ParaCp1252(chaveUtf8).c_str(), valor.c_str(),
                                          arquivo.c_str());
    };
    bool gravou = grava("Telefone", entrada.telefone);
    if (!entrada.usuario.empty())
        gravou = gravou && grava("Usuário", entrada.usuario) && grava("Senha", entrada.senha);
    gravou = gravou && grava("Discagem", std::to_string(entrada.discagemMs)) &&
             grava("Autenticação", std::to_string(entrada.autenticacaoMs)) &&
             grava("Queda", std::to_string(entrada.quedaS));
    if (entrada.erro != 0)
        gravou = gravou && grava("Erro", std::to_string(entrada.erro));
    return gravou;
}

std::optional<EntradaCatalogo> LePredefinicao(const std::string& arquivo) {
    const std::string nome = Le(arquivo, "Entrada", "Nome");
    if (nome.empty())
        return std::nullopt;
    EntradaCatalogo entrada = LeEntrada(arquivo, "Entrada");
    entrada.nome = nome;
    return entrada;
}

} // namespace plataforma
