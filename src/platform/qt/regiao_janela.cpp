#include "platform/qt/regiao_janela.h"

namespace plataforma {

int SetWindowRgn(QWidget&, std::uint32_t, bool) {
    return 1;
}

} // namespace plataforma
