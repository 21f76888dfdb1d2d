#include "settings/configuracao.h"

#include "platform/arquivos/pastas.h"
#include "platform/nucleo/diagnostico.h"
#include "platform/perfil/perfil.h"
#include "platform/texto/cp1252.h"
#include "platform/texto/texto_guardado.h"
#include "settings/quelza.h"

namespace quelza {

std::string LeIni(const std::string& arquivo, const std::string& secao, const std::string& chave) {
    BufferIni.assign(255, ' ');
    const std::uint32_t lidos = plataforma::GetPrivateProfileStringA(
        plataforma::ParaCp1252(secao).c_str(), plataforma::ParaCp1252(chave).c_str(), "", BufferIni.data(),
        static_cast<std::uint32_t>(BufferIni.size()), arquivo.c_str());
    const std::string_view lido = std::string_view(BufferIni).substr(0, lidos);
    return lidos + 1 < BufferIni.size() ? plataforma::DeTextoGuardado(lido)
                                        : plataforma::DeTextoGuardadoCortado(lido);
}

void GravaIni(const std::string& arquivo, const std::string& secao, const std::string& chave,
              const std::string& valor) {
    if (!plataforma::WritePrivateProfileStringA(
            plataforma::ParaCp1252(secao).c_str(), plataforma::ParaCp1252(chave).c_str(),
            plataforma::GuardaTexto(valor).bytes.c_str(), arquivo.c_str()))
        plataforma::Diagnostico("não foi possível gravar [" + secao + "] " + chave + " em " + arquivo);
}

std::string ArquivoConfig() { return plataforma::PastaPrograma() + "/Config.ini"; }

} // namespace quelza
