#pragma once
#include "tools/pictures/stroke_outlines.h"

#include <QImage>
#include <QPoint>
#include <array>
#include <vector>

namespace lumbrell::data {

// The picture box the drawings are made for: 1680 × 1695 twips at 15 twips a pixel.
constexpr int DrawingWidth = 112;
constexpr int DrawingHeight = 113;
constexpr int MaxSeedsPerPosition = 9;

// The strokes each code position marks (empty: the position marks nothing).
using PositionStrokes = std::array<std::vector<int>, 4>;

struct CharacterDrawing {
    QImage image;                                  // Indexed8, white ground, no black
    std::array<std::vector<QPoint>, 4> seeds;      // pixels to flood-fill per position
    std::array<QImage, 4> componentPixels;         // Mono-like masks (Grayscale8, 255 = stroke of the position)
    std::vector<uchar> signature;                  // per pixel: which positions' strokes cover it
};

// Draws the character without anti-aliasing. Every pixel gets a grey one step
// apart from its neighbours' greys whenever the set of positions whose strokes
// cover it differs, so a surface fill at a seed stops exactly at the edge of
// what one position marks. Each position gets one seed per area, the largest
// nine when there are more, at the point deepest inside the area.
// At scale 2 the drawing is the @2x twin: twice the width and height, the
// outlines rendered at twice the size, and no seeds (the twin is filled at the
// 1x seeds, scaled as formats/drawing_scale.h says). Given the twin, a 1x
// drawing seeds each area at its deepest pixel whose twin pixel has the same
// cover, where the area has one (any pixel of an area fills all of it at 1x).
CharacterDrawing drawCharacter(const StrokeOutlines& strokes, const PositionStrokes& positions, int scale = 1,
                               const CharacterDrawing* twin = nullptr);

// Where the 1024-unit square lands in the drawing (of the given scale).
QTransform glyphToDrawing(int scale = 1);

}
