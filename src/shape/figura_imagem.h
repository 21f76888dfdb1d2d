// Pictures made from images whose pixels the region builder can read through their handles.
#pragma once

#include "platform/figuras/qt/figuras.h"

#include <QImage>

// A new picture (handle of its own) whose bitmap is registered with the device-context stand-ins.
Figura FiguraDeImagem(const QImage& imagem);
