#include "app/desliga_windows.h"

#include "platform/shell/qt/shell.h"

namespace quelza {

void DesligaWindows(std::uint8_t opcoes) { plataforma::ExitWindowsEx(opcoes, 0); }

} // namespace quelza
