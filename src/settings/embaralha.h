// Reversible scrambling of stored credentials: a per-character shift by a repeating key, computed on
// Windows-1252 codes so that any other reader of the stored values gets the same bytes. Not
// encryption; it only keeps the credentials from standing in plain text.
#pragma once

#include <string>

namespace quelza {

// Text and key are UTF-8; the result is UTF-8 of the shifted Windows-1252 codes, so codes 0 and 13
// come out as U+0000 and CR. The key is upper-cased first; an empty key leaves the text as it is.
std::string Embaralha(const std::string& texto, const std::string& chave);
std::string Desembaralha(const std::string& texto, const std::string& chave);

} // namespace quelza
