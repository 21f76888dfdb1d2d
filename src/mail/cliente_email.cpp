#include "mail/cliente_email.h"

#include "platform/arquivos/pastas.h"
#include "platform/shell/qt/shell.h"

namespace quelza {

void AbreClienteDeEmail(std::uint32_t dono) {
    plataforma::ShellExecuteA(dono, "Open", "msimn.exe", "", plataforma::PastaPrograma().c_str(),
                              plataforma::SW_SHOWNORMAL);
}

} // namespace quelza
