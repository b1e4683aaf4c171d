#include "tools/pictures/font_drawing.h"

#include "tools/pictures/decomposer.h"
#include "tools/pictures/shape_match.h"
#include "tools/pictures/stroke_extraction.h"

#include <QImage>
#include <QRectF>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <limits>
#include <numeric>

namespace lumbrell::data {
namespace {

// Strokes cut along the glyph's outline stay inside it but for the edge
// pixels of their rasterising; a filled counter is far more.
constexpr double MostInkOutsideGlyph = 0.02;

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

// Longer pieces have too many orders to try; their strokes are rarely all of few classes.
constexpr size_t MostStrokesReordered = 8;
// Orders of strokes of any classes are tried for smaller roots only.
constexpr size_t MostStrokesPermuted = 5;

// How far the strokes, in this order, are from the nearest drawing of the rows of that name on the key.
double distanceFromRoot(const RootTable& roots, const QString& name, char key, const std::vector<QPolygonF>& lines)
{
    double nearest = std::numeric_limits<double>::max();
    for (const Root* root : roots.named(name, key))
        if (root->shape.size() == lines.size())
            nearest = std::min(nearest, shapeDistance(lines, root->shape));
    return nearest;
}

// The order of a piece's strokes (indices into it), each taking the place of a
// stroke of its own class, that looks most like the root; empty where the
// order cut already does or no order does.
std::vector<size_t> orderLikeRoot(const RootTable& roots, const QString& name, char key, const QString& classes,
                                  const std::vector<int>& piece, const std::vector<QPolygonF>& medians)
{
    auto linesIn = [&](const std::vector<size_t>& order) {
        std::vector<QPolygonF> lines;
        for (size_t k : order)
            lines.push_back(medians[size_t(piece[k])]);
        return lines;
    };
    std::vector<size_t> order(piece.size());
    std::iota(order.begin(), order.end(), 0);
    double best = distanceFromRoot(roots, name, key, linesIn(order));
    if (best <= RootShapeLimit || best == std::numeric_limits<double>::max())
        return {};
    std::vector<size_t> chosen;
    while (std::next_permutation(order.begin(), order.end())) {
        bool sameClasses = true;
        for (size_t k = 0; k < order.size() && sameClasses; ++k)
            sameClasses = classes[piece[order[k]]] == classes[piece[k]];
        if (!sameClasses)
            continue;
        const double distance = distanceFromRoot(roots, name, key, linesIn(order));
        if (distance < best) {
            best = distance;
            chosen = order;
        }
    }
    return best <= RootShapeLimit ? chosen : std::vector<size_t>{};
}

// The share of the strokes' ink that falls outside the glyph they were cut
// from: a ring walked round a counter (the holes of 毋) fills it.
double inkOutsideGlyph(const QPainterPath& glyph, const std::vector<ExtractedStroke>& strokes)
{
    constexpr int Side = 256; // pixels for the 1024 square
    QImage glyphInk(Side, Side, QImage::Format_Grayscale8), strokeInk(Side, Side, QImage::Format_Grayscale8);
    glyphInk.fill(0);
    strokeInk.fill(0);
    QPainter g(&glyphInk), s(&strokeInk);
    for (QPainter* p : {&g, &s}) {
        p->scale(Side / 1024.0, Side / 1024.0);
        p->setPen(Qt::NoPen);
        p->setBrush(Qt::white);
    }
    g.drawPath(glyph);
    for (const ExtractedStroke& stroke : strokes)
        s.drawPolygon(stroke.outline, Qt::WindingFill);
    g.end();
    s.end();
    int ink = 0, outside = 0;
    for (int y = 0; y < Side; ++y) {
        const uchar *inGlyph = glyphInk.constScanLine(y), *inStroke = strokeInk.constScanLine(y);
        for (int x = 0; x < Side; ++x) {
            if (inStroke[x] < 128)
                continue;
            ++ink;
            outside += inGlyph[x] == 0;
        }
    }
    return ink ? double(outside) / ink : 0.0;
}

} // namespace

bool strokesFromFonts(const FontGlyphs& fonts, const CharEntry& entry, const StrokeTemplates* templates,
                      StrokeOutlines& strokes, QString* font, QString* why, size_t firstFont)
{
    const char32_t codePoint = entry.ch.toUcs4().value(0);
    bool anyGlyph = false;
    const char* firstReason = FontDrawingFailure::CountDiffers; // the first font's, as the report gives it
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
        if (found && inkOutsideGlyph(glyph, cut.strokes) > MostInkOutsideGlyph) {
            if (!anyGlyph)
                firstReason = FontDrawingFailure::InkOutsideGlyph;
            found = false;
        }
        if (found) {
            strokes = std::move(best.strokes);
            scaleAboutCentre(strokes, fonts.fonts()[f].drawingScale);
            *font = fonts.fonts()[f].name;
            return true;
        }
        anyGlyph = true;
    }
    *why = QString::fromUtf8(anyGlyph ? firstReason : FontDrawingFailure::NoGlyph);
    return false;
}

bool reorderedAsRoots(const RootTable& roots, const QString& fullCode, const QString& classes,
                      const Decomposition& split, StrokeOutlines& strokes)
{
    if (split.kind != DecompositionKind::Roots || !split.classesOnly || strokes.medians.size() != size_t(classes.size())
        || strokes.outlines.size() != strokes.medians.size())
        return false;
    const StrokeOutlines cut = strokes;
    bool changed = false;
    for (qsizetype k = 0; k < fullCode.size() && k < qsizetype(split.positions.size()); ++k) {
        const CodePosition& p = split.positions[size_t(k)];
        if (p.kind != PositionKind::Component || p.strokes.size() < 2 || p.strokes.size() > MostStrokesReordered)
            continue;
        const std::vector<size_t> order
            = orderLikeRoot(roots, p.glyph, char(fullCode[k].unicode()), classes, p.strokes, cut.medians);
        for (size_t place = 0; place < order.size(); ++place) {
            strokes.outlines[size_t(p.strokes[place])] = cut.outlines[size_t(p.strokes[order[place]])];
            strokes.medians[size_t(p.strokes[place])] = cut.medians[size_t(p.strokes[order[place]])];
        }
        changed = changed || !order.empty();
    }
    return changed;
}

bool exchangedAcrossRoots(const RootTable& roots, const CharEntry& entry, const QString& classes,
                          const Decomposition& split, StrokeOutlines& strokes)
{
    const size_t n = strokes.medians.size();
    if (split.kind != DecompositionKind::Roots || !split.classesOnly || n != size_t(classes.size())
        || strokes.outlines.size() != n)
        return false;
    std::vector<int> pieceOf(n, -1); // the position whose root the stroke is in; -1 for strokes not typed
    std::vector<bool> unlike(n, false); // in a root the strokes do not look like
    for (qsizetype k = 0; k < entry.fullCode.size() && k < qsizetype(split.positions.size()); ++k) {
        const CodePosition& p = split.positions[size_t(k)];
        if (p.kind != PositionKind::Component)
            continue;
        std::vector<QPolygonF> lines;
        for (int s : p.strokes)
            lines.push_back(strokes.medians[size_t(s)]);
        const double distance = distanceFromRoot(roots, p.glyph, char(entry.fullCode[k].unicode()), lines);
        for (int s : p.strokes) {
            pieceOf[size_t(s)] = int(k);
            unlike[size_t(s)] = p.strokes.size() > 1 && distance > RootShapeLimit
                && distance != std::numeric_limits<double>::max();
        }
    }
    std::pair<size_t, size_t> exchange;
    int exchanges = 0;
    for (size_t a = 0; a < n && exchanges < 2; ++a) {
        for (size_t b = a + 1; b < n && exchanges < 2; ++b) {
            if (pieceOf[a] == pieceOf[b] || !(unlike[a] || unlike[b]))
                continue;
            std::vector<QPolygonF> lines = strokes.medians;
            std::swap(lines[a], lines[b]);
            const Decomposition d = decompose(roots, entry.ch, entry.fullCode, classes, &lines);
            if (d.kind == DecompositionKind::Roots && !d.classesOnly) {
                exchange = {a, b};
                ++exchanges;
            }
        }
    }
    // An exchange of strokes of two classes that would serve as well leaves
    // the roots' drawings too little to go by.
    if (exchanges != 1 || classes[qsizetype(exchange.first)] != classes[qsizetype(exchange.second)])
        return false;
    std::swap(strokes.medians[exchange.first], strokes.medians[exchange.second]);
    std::swap(strokes.outlines[exchange.first], strokes.outlines[exchange.second]);
    return true;
}

bool rootsLikeThemselvesInAnotherOrder(const RootTable& roots, const CharEntry& entry, const QString& classes,
                                       const Decomposition& split, const StrokeOutlines& strokes)
{
    if (split.kind != DecompositionKind::Roots || strokes.medians.size() != size_t(classes.size()))
        return false;
    bool anyReordered = false;
    for (qsizetype k = 0; k < entry.fullCode.size() && k < qsizetype(split.positions.size()); ++k) {
        const CodePosition& p = split.positions[size_t(k)];
        if (p.kind != PositionKind::Component || p.strokes.size() < 2)
            continue;
        const char key = char(entry.fullCode[k].unicode());
        std::vector<size_t> order(p.strokes.size());
        std::iota(order.begin(), order.end(), 0);
        auto distanceIn = [&](const std::vector<size_t>& o) {
            std::vector<QPolygonF> lines;
            for (size_t place = 0; place < o.size(); ++place)
                lines.push_back(writtenAs(strokes.medians[size_t(p.strokes[o[place]])],
                                          char(classes[qsizetype(p.strokes[place])].unicode())));
            return distanceFromRoot(roots, p.glyph, key, lines);
        };
        const double asCut = distanceIn(order);
        if (asCut <= RootShapeLimit || asCut == std::numeric_limits<double>::max())
            continue;
        if (p.strokes.size() > MostStrokesPermuted)
            return false;
        bool like = false;
        while (!like && std::next_permutation(order.begin(), order.end()))
            like = distanceIn(order) <= RootShapeLimit;
        if (!like)
            return false;
        anyReordered = true;
    }
    return anyReordered;
}

bool fragmentOfLargerRoot(const RootTable& roots, const CharEntry& entry, const Decomposition& drawn,
                          const std::vector<std::vector<int>>& knownPieces)
{
    auto vouchedFor = [&](const CodePosition& p) {
        return std::find(knownPieces.begin(), knownPieces.end(), p.strokes) != knownPieces.end();
    };
    const bool anySingle = std::any_of(drawn.positions.begin(), drawn.positions.end(), [&](const CodePosition& p) {
        return p.kind == PositionKind::Component && p.strokes.size() == 1 && !vouchedFor(p);
    });
    if (drawn.kind != DecompositionKind::Roots || !anySingle)
        return false; // the split by classes alone is costly: only where a stroke stands alone
    for (const QString& classes : {entry.strokeClasses, entry.otherStrokeClasses}) {
        if (classes.isEmpty())
            continue;
        const Decomposition byClasses = decompose(roots, entry.ch, entry.fullCode, classes);
        if (byClasses.kind != DecompositionKind::Roots)
            continue;
        for (size_t k = 0; k < drawn.positions.size(); ++k) {
            const CodePosition &one = drawn.positions[k], &larger = byClasses.positions[k];
            if (one.kind == PositionKind::Component && larger.kind == PositionKind::Component && !vouchedFor(one)
                && one.strokes.size() == 1 && larger.strokes.size() > 1 && larger.strokes.front() == one.strokes.front())
                return true;
        }
    }
    return false;
}

bool rootNearerWithAnotherStroke(const RootTable& roots, const CharEntry& entry, const QString& classes,
                                 const Decomposition& drawn, const StrokeOutlines& strokes)
{
    const size_t n = strokes.medians.size();
    if (drawn.kind != DecompositionKind::Roots || n != size_t(classes.size()))
        return false;
    for (qsizetype k = 0; k < entry.fullCode.size() && k < qsizetype(drawn.positions.size()); ++k) {
        const CodePosition& p = drawn.positions[size_t(k)];
        if (p.kind != PositionKind::Component || p.strokes.size() < 2)
            continue;
        const char key = char(entry.fullCode[k].unicode());
        std::vector<QPolygonF> lines;
        for (int s : p.strokes)
            lines.push_back(strokes.medians[size_t(s)]);
        const double distance = distanceFromRoot(roots, p.glyph, key, lines);
        if (distance == std::numeric_limits<double>::max())
            continue; // no drawing of the root to go by
        QRectF area;
        for (const QPolygonF& line : lines)
            area = area.united(line.boundingRect());
        for (size_t place = 0; place < lines.size(); ++place) {
            const char strokeClass = char(classes[qsizetype(p.strokes[place])].unicode());
            for (size_t other = 0; other < n; ++other) {
                // Only a stroke within the root's own area may belong to it.
                if (std::find(p.strokes.begin(), p.strokes.end(), int(other)) != p.strokes.end()
                    || !area.contains(strokes.medians[other].boundingRect().center()))
                    continue;
                std::vector<QPolygonF> exchanged = lines;
                exchanged[place] = writtenAs(strokes.medians[other], strokeClass);
                if (distanceFromRoot(roots, p.glyph, key, exchanged) < distance - ExchangedStrokeGain)
                    return true;
            }
        }
    }
    return false;
}

}
