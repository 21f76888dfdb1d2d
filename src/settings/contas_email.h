// The list of mail accounts: each account is one scrambled value of the per-user store, keyed by
// its title. Encoding and decoding of that value are pure, for the loader and the account dialog.
#pragma once

#include "settings/conta_email.h"

#include <optional>
#include <string>

namespace quelza {

// The stored value of an account: CR user CR server CR password, scrambled whole with
// ChaveCredenciais. The title is the value's key and is not part of it.
std::string CodificaContaEmail(const ContaEmail& conta);

// The account titled `nome` from its stored value; nothing when the unscrambled value holds fewer
// than three CR characters and so cannot be cut into its fields.
std::optional<ContaEmail> DecodificaContaEmail(const std::string& nome, const std::string& valor);

// Fills ContasEmail and TemContasEmail from the section. An empty section leaves the array as it
// was and TemContasEmail False; values that cannot be decoded are left out, and when none can be,
// the array is emptied and TemContasEmail is False.
void CarregaContasEmail(const std::string& aplicacao, const std::string& secao);

} // namespace quelza
