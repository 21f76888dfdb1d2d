// The stored value of a mail account: any value either is refused or decodes to an account whose
// own value decodes to it again.
#include "settings/contas_email.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string valor(reinterpret_cast<const char*>(dados), tamanho);
    const auto conta = quelza::DecodificaContaEmail("Conta", valor);
    if (conta && quelza::DecodificaContaEmail("Conta", quelza::CodificaContaEmail(*conta)) != conta)
        std::abort();
    return 0;
}
