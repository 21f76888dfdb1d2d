// Sets a window's outline from a region; the window then owns the region.
#pragma once

#include <cstdint>

class QWidget;

namespace plataforma {

// Region 0 removes the outline. Returns non-zero on success.
int SetWindowRgn(QWidget& janela, std::uint32_t regiao, bool redesenha);

} // namespace plataforma
