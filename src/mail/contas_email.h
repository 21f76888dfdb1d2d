// The list of mail accounts: loaded from the scrambled values of the per-user store.
#pragma once

#include <string>

namespace quelza {

void CarregaContasEmail(const std::string& aplicacao, const std::string& secao);

} // namespace quelza
