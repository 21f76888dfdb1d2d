// The table of picture handles: every picture the forms load gets a handle here, so that a platform
// call given only a handle (the tray icon's hIcon) finds the picture. Handles are never reused.
#pragma once

#include <QPixmap>

#include <cstdint>

namespace plataforma {

std::uint32_t RegistraFigura(const QPixmap& pixmap);

// An empty pixmap for a handle never registered.
QPixmap FiguraDoHandle(std::uint32_t handle);

} // namespace plataforma
