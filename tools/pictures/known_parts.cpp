#include "tools/pictures/known_parts.h"

#include "tools/pictures/shape_match.h"

namespace lumbrell::data {
namespace {

constexpr int ShortestPart = 4;
// An ending that leaves a single stroke before it is mostly a look-alike of
// the whole character (缶 is no 丿 written before 击).
constexpr int StrokesBeforePart = 2;

} // namespace

void KnownParts::add(const QString& classes, const std::vector<QPolygonF>& centreLines, const Decomposition& split)
{
    if (split.kind != DecompositionKind::Roots || split.classesOnly || classes.size() < ShortestPart
        || int(centreLines.size()) != classes.size())
        return;
    Entry entry{centreLines, {}};
    for (const CodePosition& p : split.positions)
        if (p.kind == PositionKind::Component)
            entry.pieces.push_back(p.strokes);
    byClasses_[classes].push_back(std::move(entry));
}

std::vector<KnownPart> KnownParts::endingOf(const QString& classes, const std::vector<QPolygonF>& centreLines) const
{
    const int n = int(classes.size());
    if (int(centreLines.size()) != n)
        return {};
    for (int from = StrokesBeforePart; from + ShortestPart <= n; ++from) {
        const auto candidates = byClasses_.constFind(classes.mid(from));
        if (candidates == byClasses_.constEnd())
            continue;
        const std::vector<QPolygonF> ending(centreLines.begin() + from, centreLines.end());
        const Entry* nearest = nullptr;
        double best = KnownPartShapeLimit;
        for (const Entry& e : *candidates) {
            const double distance = shapeDistance(ending, e.centreLines);
            if (distance <= best) {
                best = distance;
                nearest = &e;
            }
        }
        if (!nearest)
            continue;
        KnownPart part{from, n, {}};
        for (std::vector<int> piece : nearest->pieces) {
            for (int& s : piece)
                s += from;
            part.pieces.push_back(std::move(piece));
        }
        return {part};
    }
    return {};
}

}
