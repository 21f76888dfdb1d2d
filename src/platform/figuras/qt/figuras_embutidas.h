// The main window's pictures, compiled in as the pixels their PNG files in assets/figuras decode to
// (the build converts them with tools/embute_figuras), so that showing the window decodes nothing.
// They are kept in the formats Qt paints from, so that the window's pixmaps share them too.
#pragma once

#include <QImage>
#include <QStringView>

#include <cstdint>
#include <span>

namespace plataforma {

struct FiguraEmbutida {
    const char* Nome; // the PNG file's name, as "fundo.png"
    int Largura;
    int Altura;
    QImage::Format Formato;      // Format_RGB32, or Format_ARGB32_Premultiplied for one with alpha
    const std::uint32_t* Pixels; // row after row, with nothing between the rows
};

// Every compiled-in picture, in the order the build was given the files.
std::span<const FiguraEmbutida> FigurasEmbutidas();

// The picture of that file name over its compiled-in pixels, which the image shares and never
// writes; a null image for a name not compiled in.
QImage FiguraEmbutidaDe(QStringView nome);

} // namespace plataforma
