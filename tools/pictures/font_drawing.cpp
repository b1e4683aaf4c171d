#include "tools/pictures/font_drawing.h"

#include "tools/pictures/decomposer.h"
#include "tools/pictures/stroke_extraction.h"

#include <QTransform>

namespace lumbrell::data {
namespace {

void scaleAboutCentre(StrokeOutlines& strokes, double scale)
{
    if (scale == 1.0)
        return;
    constexpr double Centre = 512.0;
    const QTransform t = QTransform::fromTranslate(Centre, Centre).scale(scale, scale).translate(-Centre, -Centre);
    for (QPainterPath& outline : strokes.outlines)
        outline = t.map(outline);
    for (QPolygonF& median : strokes.medians)
        median = t.map(median);
}

} // namespace

bool strokesFromFonts(const FontGlyphs& fonts, const CharEntry& entry, const StrokeTemplates* templates,
                      StrokeOutlines& strokes, QString* font, QString* why, size_t firstFont)
{
    const char32_t codePoint = entry.ch.toUcs4().value(0);
    bool anyGlyph = false;
    for (size_t f = firstFont; f < fonts.fonts().size(); ++f) {
        const QPainterPath glyph = fonts.glyphFrom(f, codePoint);
        if (glyph.isEmpty())
            continue;
        std::vector<size_t> counts{size_t(entry.strokeClasses.size())};
        if (!entry.otherStrokeClasses.isEmpty())
            counts.push_back(size_t(entry.otherStrokeClasses.size()));
        const GlyphCut cut = cutIntoCount(glyph, counts);
        OrderedStrokes best;
        bool found = false;
        for (const QString& classes : {entry.strokeClasses, entry.otherStrokeClasses}) {
            OrderedStrokes ordered;
            if (cut.closed && orderStrokes(cut.strokes, classes, ordered, templates, entry.ch) && (!found || ordered.cost < best.cost)) {
                best = std::move(ordered);
                found = true;
            }
        }
        if (found) {
            strokes = std::move(best.strokes);
            scaleAboutCentre(strokes, fonts.fonts()[f].drawingScale);
            *font = fonts.fonts()[f].name;
            return true;
        }
        anyGlyph = true;
    }
    *why = QString::fromUtf8(anyGlyph ? FontDrawingFailure::CountDiffers : FontDrawingFailure::NoGlyph);
    return false;
}

bool fragmentOfLargerRoot(const RootTable& roots, const CharEntry& entry, const Decomposition& drawn)
{
    if (drawn.kind != DecompositionKind::Roots)
        return false;
    for (const QString& classes : {entry.strokeClasses, entry.otherStrokeClasses}) {
        if (classes.isEmpty())
            continue;
        const Decomposition byClasses = decompose(roots, entry.ch, entry.fullCode, classes);
        if (byClasses.kind != DecompositionKind::Roots)
            continue;
        for (size_t k = 0; k < drawn.positions.size(); ++k) {
            const CodePosition &one = drawn.positions[k], &larger = byClasses.positions[k];
            if (one.kind == PositionKind::Component && larger.kind == PositionKind::Component
                && one.strokes.size() == 1 && larger.strokes.size() > 1 && larger.strokes.front() == one.strokes.front())
                return true;
        }
    }
    return false;
}

}
