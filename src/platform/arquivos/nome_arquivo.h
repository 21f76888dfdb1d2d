// File names as a case-blind file system would match them: a missing name stands for an existing file
// whose name differs only in the case of its ASCII letters.
#pragma once

#include <string>

namespace plataforma {

// The path itself when it exists; otherwise the same folder with the existing file whose last part
// matches without regard to ASCII case (the first in byte order when several do); otherwise the path.
std::string ResolveNome(const std::string& arquivo);

} // namespace plataforma
