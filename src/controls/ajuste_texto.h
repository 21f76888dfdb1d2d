// Fitting a caption into a fixed space on the skin: a smaller size of the same font, one line or
// two, and only when even the smallest size does not hold it, the text elided on one line. It only
// measures; painting is the label's.
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

struct AjusteTexto {
    int TamanhoPixel = 0;
    QStringList Linhas; // one or two; joined by a blank they give back the text unless elided
    bool Elidido = false;
};

// Sizes are tried from the font's own pixel size down to `tamanhoMinimo`: first every size on one
// line, then every size on two lines broken at a blank, the break that leaves the longer line
// shortest. A text that fits nowhere is elided at `tamanhoMinimo`.
AjusteTexto AjustaTexto(const QFont& fonte, QSizeF espaco, const QString& texto, int tamanhoMinimo);

// The font at the size the fit chose.
QFont FonteDoAjuste(const QFont& fonte, const AjusteTexto& ajuste);
