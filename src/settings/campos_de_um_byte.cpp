#include "settings/campos_de_um_byte.h"

#include "platform/interface/qt/mensagens.h"
#include "platform/texto/cp1252.h"
#include "settings/quelza.h"

#include <string_view>

namespace quelza {
namespace {

// The first character of a UTF-8 text that Windows-1252 has no code for.
std::optional<std::string> CaractereSemCodigo(std::string_view texto) {
    for (std::size_t pos = 0; pos < texto.size();) {
        const auto inicial = static_cast<unsigned char>(texto[pos]);
        const std::size_t tamanho = inicial < 0xC0 ? 1 : inicial < 0xE0 ? 2 : inicial < 0xF0 ? 3 : 4;
        const std::string_view caractere = texto.substr(pos, tamanho);
        if (!plataforma::ParaCp1252Exato(caractere))
            return std::string(caractere);
        pos += tamanho;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> RecusaSemCodigo(std::initializer_list<CampoDeUmByte> campos,
                                           const std::string& oQue) {
    for (const CampoDeUmByte& campo : campos) {
        if (const auto caractere = CaractereSemCodigo(campo.texto))
            return std::string("O campo \"") + campo.nome + "\" contém \"" + *caractere +
                   "\", um caractere que não pode ser gravado: este campo é guardado com um código de um "
                   "byte por caractere (Windows-1252).\r\r" +
                   oQue;
    }
    return std::nullopt;
}

bool CamposDeUmByte(std::initializer_list<CampoDeUmByte> campos, const std::string& oQue) {
    const auto mensagem = RecusaSemCodigo(campos, oQue);
    if (mensagem)
        plataforma::MsgBox(*mensagem, plataforma::vbOKOnly | plataforma::vbExclamation, TituloAplicacao);
    return !mensagem;
}

} // namespace quelza
