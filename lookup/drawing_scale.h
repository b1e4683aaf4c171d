#pragma once

#include "lookup/units.h"

#include <QPoint>
#include <QString>

namespace lumbrell {

// Every drawing bmp/<char>.bmp may have a twin bmp/<char>@2x.bmp for screens
// of twice the pixel density: the same outlines rendered at twice the size,
// exactly twice the width and height (224 × 226 for the 112 × 113 drawing),
// with the same grey for the same component cover. The record's fill points
// stay those of the 1x drawing, in twips; in the @2x drawing a point fills at
//     pixel = round(twips / 15) * 2 + TwinSeedOffset   (each axis)
// i.e. the 1x pixel scaled by two, then the bottom-right of the four pixels it
// became: the one nearest the 1x pixel's centre as the outlines fall at 2x (on
// the built data 97 % of the marked positions mark well this way, 88 % with
// the top-left pixel). The data builder writes a twin only
// where every fill point so placed marks its component as well as the 1x
// drawing's do; where there is no twin the program shows the 1x drawing.
constexpr int TwinScale = 2;
constexpr int TwinSeedOffset = 1;

inline QString twinDrawingName(const QString& character)
{
    return character + QStringLiteral("@2x.bmp");
}

// A fill point of a record (twips) in the @2x drawing.
inline QPoint twinSeedPixel(int xTwips, int yTwips)
{
    return QPoint(twipsToPixels(xTwips) * TwinScale + TwinSeedOffset, twipsToPixels(yTwips) * TwinScale + TwinSeedOffset);
}

} // namespace lumbrell
