#pragma once
#include "tools/sources/source_set.h"
#include "tools/pictures/decomposer.h"
#include "tools/pictures/exception_table.h"
#include "tools/pictures/font_drawing.h"
#include "tools/pictures/known_parts.h"
#include "tools/pictures/stroke_outlines.h"
#include <QByteArray>
#include <QStringList>
#include <array>
#include <vector>
namespace lumbrell::data {
// Draws bmp/<char>.bmp for every character and writes decomposition.tsv into outDir; fills info[i] (up to 72
// ASCII bytes, unpadded) for sources.chars[i]; appends report lines. False with *error set on a source it cannot read.
bool runPictureStage(const SourceSet& sources, const QString& outDir,
                     std::vector<std::array<QByteArray, 4>>& info, QStringList& report, QString* error);

// Gives each root the drawing the outline package has of it, where it has one.
void attachDrawnShapes(RootTable& roots, const SourceSet& sources);

// The characters whose own split guides the split of those ending or
// beginning in them, as the build gathers them from the outline package's
// drawings (each split, then let follow its own parts, twice).
KnownParts partsOfOutlinedCharacters(const RootTable& roots, const ExceptionTable& exceptions, const SourceSet& sources);

// What the build makes of strokes cut from a font for a character: split,
// put right by a repair step where one applies, let follow the split of a
// character it ends or begins in (where known parts are given), drawn,
// measured and judged as such a drawing is before it ships.
struct FontDrawingTrial {
    Decomposition decomposition; // stroke numbers into strokes
    StrokeOutlines strokes;      // as the repair step left them
    QString withheld;            // why the drawing would not ship; empty where it ships
    FontRepair repair = FontRepair::None;
};
FontDrawingTrial tryFontDrawing(const RootTable& roots, const ExceptionTable& exceptions, const CharEntry& entry,
                                const StrokeOutlines& cut, const QString& font, const KnownParts* known = nullptr);
}
