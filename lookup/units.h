#pragma once

#include "formats/fill_points.h"

namespace lumbrell {

// Positions and sizes are in twips; at the standard 96 dpi a pixel is 15 twips.
using fillpoints::TwipsPerPixel;

// Twips to device pixels, rounded to the nearest pixel, halves to even.
int twipsToPixels(int twips);

} // namespace lumbrell
