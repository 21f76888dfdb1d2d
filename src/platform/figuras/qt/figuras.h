// Pictures and the table of their handles: every picture the forms load gets a handle here, so that a
// platform call given only a handle (the tray icon's hIcon) finds the picture. Handles are never reused.
#pragma once

#include <QPixmap>

#include <cstdint>

// A loaded picture. Two pictures are the same picture when their handles are equal.
struct Figura {
    std::uint32_t Handle = 0;
    QPixmap Pixmap;

    // A new picture with a handle no other picture has.
    static Figura Nova(const QPixmap& pixmap);
};

namespace plataforma {

std::uint32_t RegistraFigura(const QPixmap& pixmap);

// An empty pixmap for a handle never registered.
QPixmap FiguraDoHandle(std::uint32_t handle);

} // namespace plataforma
