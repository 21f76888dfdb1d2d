// The account list as the account dialog and the e-mail tab change it: the list line of an account,
// the duplicate look-up, adding, replacing and removing, each written to the store at once.
#pragma once

#include "settings/conta_email.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quelza {

// "title / user / server".
std::string LinhaConta(const ContaEmail& conta);

// The lines of ContasEmail in array order; none while TemContasEmail is False.
std::vector<std::string> LinhasContas();

// The account whose title equals `titulo` regardless of case: the store's names ignore case, so two
// such titles would share one stored value.
std::optional<std::size_t> ContaDeMesmoNome(const std::string& titulo);

// A new account at the end of the list, its value written.
void AdicionaConta(const ContaEmail& conta);

// The account at `indice` takes the new title, server, user and password; then every account is
// written again. A title whose case changed is stored as typed.
void SubstituiConta(std::size_t indice, const ContaEmail& conta);

// Deletes the account at `indice` from the store and reloads the list from it.
void RemoveConta(std::size_t indice);

} // namespace quelza
