#include "app/bandeja.h"

namespace quelza {

void ÍconeBandeja(std::string&, const Figura&, const Figura&) {}

} // namespace quelza
