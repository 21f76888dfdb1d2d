#include "app/sons.h"

namespace quelza {

void TocaSom(const std::string&) {}
bool TemDispositivoSom() {
    return false;
}

} // namespace quelza
