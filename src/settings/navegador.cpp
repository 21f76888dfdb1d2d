#include "settings/navegador.h"

#include "settings/quelza.h"
#include "settings/registro.h"

namespace quelza {

void AjustaNavegador() {
    Registro::GravaValorTexto("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main", "Start Page",
                              PáginaInicial);
    DesligaDiscagemAutomatica();

    const std::string politica =
        "HKEY_USERS\\.Default\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
    Registro::CriaChave(politica);
    Registro::GravaValorTexto(politica, "HomePage", PáginaTravada == "0" ? "" : PáginaTravada);
}

void DesligaDiscagemAutomatica() {
    Registro::GravaValorBinário(
        "HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
        "EnableAutodial", std::string(4, '\0'));
}

} // namespace quelza
