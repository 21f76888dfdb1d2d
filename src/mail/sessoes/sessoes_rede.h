// The mail sessions over real sockets: what the module makes, and what tests use built in.
#pragma once

#include "mail/sessoes_email.h"

namespace quelza {

class SessoesRede final : public SessoesEmail {
public:
    std::optional<std::string> VerificaPop3(const std::string& servidor, const std::string& usuario,
                                            const std::string& senha, AmbienteSessao& ambiente) override;
    std::optional<std::string> VerificaImap(const EnderecoPop3& endereco, const std::string& usuario,
                                            const std::string& senha, AmbienteSessao& ambiente) override;
    void Interrompe() override;
    void Libera() override;
    bool Interrompidas() const override;
};

} // namespace quelza
