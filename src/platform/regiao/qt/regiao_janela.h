// Sets a window's outline from a region, as a widget mask; the window then owns the region and frees
// it when the outline is replaced or the window goes away.
#pragma once

#include <cstdint>

class QWidget;

namespace plataforma {

// Region 0 removes the outline. Returns non-zero on success; a handle that names no region changes
// nothing and returns 0.
int SetWindowRgn(QWidget& janela, std::uint32_t regiao, bool redesenha);

// The region the window owns now (0 when it has no outline).
std::uint32_t RegiaoDaJanela(const QWidget& janela);

} // namespace plataforma
