// The application's icon for menus and the software centre: the idle tray icon's disc and letter,
// kept as one vector drawing that is painted at each size and written as SVG.
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

// The sizes the icon theme is given as pictures, besides the scalable one.
inline const std::vector<int> TamanhosIcone = {16, 22, 24, 32, 48, 64, 128, 256};

QImage IconeAplicativo(int tamanho);
QByteArray IconeAplicativoSvg();
