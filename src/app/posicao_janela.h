// Where the main window starts: at its stored place, unless no part of it would then be on any
// screen (a place kept on a larger monitor, or written from a position the platform never told);
// then centred on the primary screen, so that the user can always see it.
#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

QPoint PosicaoVisivel(const QRect& janela, const std::vector<QRect>& telas, const QRect& primaria);
