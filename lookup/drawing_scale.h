#pragma once

#include "lookup/units.h"

#include <QPoint>
#include <QString>

namespace lumbrell {

// Every character drawing comes at 1× (one pixel per 15 twips, 112 × 113 for
// a box) and, for screens with more than one device pixel per logical pixel,
// at 2× beside it: "<char>@2x.bmp", exactly twice as wide and twice as high.
// The fill points of a record are kept in twips for the 1× drawing; on the 2×
// drawing a point marks twice its 1× pixel, and the data build draws the 2×
// pictures so that this pixel lies in the same component.
constexpr int DoubleDrawingScale = 2;

inline QString drawingFileName(const QString& character) { return character + QStringLiteral(".bmp"); }
inline QString doubleDrawingFileName(const QString& character) { return character + QStringLiteral("@2x.bmp"); }

// The pixel of a drawing made at `scale` (1 or 2) that a point in twips marks:
// scale × round-half-even(twips / 15) on each axis.
inline QPoint drawingPixel(int xTwips, int yTwips, int scale)
{
    return QPoint(twipsToPixels(xTwips) * scale, twipsToPixels(yTwips) * scale);
}

} // namespace lumbrell
