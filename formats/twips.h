#pragma once
// Positions and sizes of the window and of the fill points are in twips; at
// the standard 96 dpi a pixel is 15 twips.
#include "formats/fill_point_format.h"

#include <cmath>

namespace lumbrell {

using fillpoints::TwipsPerPixel;

// Twips to device pixels, rounded to the nearest pixel, halves to even (the
// default floating-point rounding mode).
inline int twipsToPixels(int twips)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / TwipsPerPixel));
}

} // namespace lumbrell
