#include "mail/contas_email.h"

namespace quelza {

void CarregaContasEmail(const std::string&, const std::string&) {}

} // namespace quelza
