#pragma once
#include "tools/sources/source_set.h"
#include "tools/pictures/font_glyphs.h"
#include "tools/pictures/stroke_extraction.h"

#include <QHash>
#include <QImage>
#include <QStringList>
#include <array>
#include <vector>

namespace lumbrell::data {

// Overlap (intersection over union, strokes filled on a 128-pixel square) a
// cut stroke must reach with the outline package's stroke of the same place
// in the writing order to count as right.
constexpr double StrokeOverlapNeeded = 0.6;

// Cuts every character the outline package draws out of the font its
// drawings were cut from (the simplified font for GB2312, the traditional one
// for the rest), orders the strokes by the stroke-order source, and compares
// them with the package's strokes: report lines with the share fully right
// and the failures by kind. `split` gives each character's coded components
// as sets of strokes (0-based, the package's order), as the decomposition
// file lists them: an order that keeps each set in its places marks alike.
QStringList checkExtraction(const SourceSet& sources, const FontGlyphs& simplifiedFont,
                            const FontGlyphs& traditionalFont, const QHash<QString, std::vector<std::vector<int>>>& split);

// A code position of the outline package's drawing as the decomposition file
// gives it: the identification code, or the strokes marked (0-based), or none.
struct MarkedPosition {
    bool identification = false;
    std::vector<int> strokes;
};
using PackageMarking = std::array<MarkedPosition, 4>;

// Runs the strokes cut from the font of each character the outline package
// draws through the build's own path for a drawing cut from a font (order,
// split, repair steps, following the split of a character it ends or begins
// in, shipping checks) and, for each that would ship,
// compares what each code position marks with what the package drawing
// marks: the cut strokes are paired one to one with the package's by the
// largest total overlap (intersection over union), and a position marks the
// same component when its strokes pair exactly with the package position's
// strokes. Report lines: how many would ship, how many of those mark alike,
// and the others by cause and by the repair step they came through.
QStringList checkShippingGate(const SourceSet& sources, const FontGlyphs& simplifiedFont,
                              const FontGlyphs& traditionalFont, const QHash<QString, PackageMarking>& package);

// The cut laid over its glyph, for looking at: the glyph grey, each stroke
// outlined in a colour of its own with its centre line, the corners as red
// dots and the bridges as blue lines.
QImage pictureOfCut(const QPainterPath& glyph, const GlyphCut& cut);

// The cut the check makes of a character (the font by its set, cut to the
// stroke order's count where a setting gives it); an empty cut when the font
// lacks it.
GlyphCut checkedCut(const CharEntry& entry, const FontGlyphs& simplifiedFont, const FontGlyphs& traditionalFont,
                    QPainterPath& glyph);

}
