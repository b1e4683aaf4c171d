#pragma once
#include "tools/data/source_set.h"
#include "tools/pictures/font_glyphs.h"

#include <QStringList>

namespace lumbrell::data {

// Overlap (intersection over union, strokes filled on a 128-pixel square) a
// cut stroke must reach with the outline package's stroke of the same place
// in the writing order to count as right.
constexpr double StrokeOverlapNeeded = 0.6;

// Cuts every character the outline package draws out of the font its
// drawings were cut from (the simplified font for GB2312, the traditional one
// for the rest), orders the strokes by the stroke-order source, and compares
// them with the package's strokes: report lines with the share fully right
// and the failures by kind.
QStringList checkExtraction(const SourceSet& sources, const FontGlyphs& simplifiedFont,
                            const FontGlyphs& traditionalFont);

}
