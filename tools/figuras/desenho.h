// Draws every picture of the main window: the skin on its transparent colour, the buttons' normal
// and pressed pictures, the indicators and the tray icons. Loading them is the window's business.
#pragma once

#include <QImage>
#include <QString>

#include <map>

// Where the skin leaves the window's background visible.
inline constexpr QRgb CorTransparente = 0xFFFF00FF;

// File name (without folder) to picture.
std::map<QString, QImage> DesenhaFiguras();
