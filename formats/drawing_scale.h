#pragma once
// The character drawings of bmp/: "<char>.bmp" at 1× (one pixel per 15 twips,
// 112 × 113 for a box) and, for screens with more than one device pixel per
// logical pixel, "<char>@2x.bmp" beside it: exactly twice as wide and twice
// as high, the same outlines rendered at twice the size (not an upscale),
// with the same grey for the same component cover. The fill points of a
// record are kept in twips for the 1× drawing; in a drawing made at `scale`
// a point fills at
//     pixel = round(twips / 15) × scale + (scale - 1)    (each axis)
// i.e. the 1× pixel scaled, then the bottom-right pixel of the block it
// became, the one nearest the 1× pixel's centre as the outlines fall at 2×
// (on the built data 97 % of the marked positions mark well this way, 88 %
// with the top-left pixel). The data builder seeds each area at a pixel whose
// 2× pixel lies in the same cover where it can, and writes a 2× drawing only
// where every fill point so placed marks its component well; where there is
// none the program shows the 1× drawing.
#include "formats/twips.h"

#include <QPoint>
#include <QString>

namespace lumbrell {

inline constexpr int DoubleDrawingScale = 2;

inline QString drawingFileName(const QString& character) { return character + QStringLiteral(".bmp"); }
inline QString doubleDrawingFileName(const QString& character) { return character + QStringLiteral("@2x.bmp"); }

// The pixel of a drawing made at `scale` (1 or 2) that a point in twips marks.
inline QPoint drawingPixel(int xTwips, int yTwips, int scale)
{
    return QPoint(twipsToPixels(xTwips) * scale + scale - 1, twipsToPixels(yTwips) * scale + scale - 1);
}

} // namespace lumbrell
