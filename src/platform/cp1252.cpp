#include "platform/cp1252.h"

namespace plataforma {

std::string ParaCp1252(std::string_view utf8) {
    return std::string(utf8);
}
std::string DeCp1252(std::string_view bytes) {
    return std::string(bytes);
}

} // namespace plataforma
