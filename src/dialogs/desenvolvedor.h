// The developer's contact address and home page, which the tray menu and the configuration dialog
// show and open; and the mail link that composes a message to the developer.
#pragma once

#include <string>

namespace quelza {

inline constexpr const char* EmailDesenvolvedor = "contato@e-telvanor.example";
inline constexpr const char* HomePageDesenvolvedor = "http://www.e-telvanor.example/";

inline std::string LinkEmailDesenvolvedor(const std::string& assunto) {
    return std::string("mailto:") + EmailDesenvolvedor + "?SUBJECT=" + assunto;
}

} // namespace quelza
