#pragma once
// A record's fill-point field (Info1 … Info4): one seed point of the flood fill
// per separate piece of the component, each as x then y in twips, every
// coordinate right-aligned in four characters; the field is padded with spaces.
#include "formats/record_layout.h"

namespace lumbrell::fillpoints {

inline constexpr int TwipsPerPixel = 15;  // a pixel of a drawing at 96 dpi
inline constexpr int CoordinateWidth = 4; // "  90" for x = 90 twips
inline constexpr int PointWidth = 2 * CoordinateWidth;
inline constexpr int MaxPoints = record::InfoWidth / PointWidth; // nine

// The field of a position that shows the diagram of its identification letter
// (末笔识别码) instead of a component: this in place of points.
inline constexpr char IdentificationMarker[] = "0";

} // namespace lumbrell::fillpoints
