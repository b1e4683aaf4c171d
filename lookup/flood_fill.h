#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

namespace lumbrell {

// Area fills on a picture's pixels, as a drawing surface does them.
// Colours are compared without their alpha. A seed outside the image fills
// nothing. Both return the number of pixels painted.

// Surface fill: every pixel 4-connected to the seed that has the seed's colour
// is painted with fill.
int floodFillSurface(QImage& image, QPoint seed, QRgb fill);

// Border fill: the area around the seed, up to pixels of the border colour, is
// painted with fill. A seed on the border colour paints nothing.
int floodFillBorder(QImage& image, QPoint seed, QRgb border, QRgb fill);

} // namespace lumbrell
