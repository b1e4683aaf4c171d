#include "tools/pictures/known_parts.h"

#include "tools/pictures/shape_match.h"

#include <algorithm>

namespace lumbrell::data {
namespace {

constexpr int ShortestPart = 4;
// An ending that leaves a single stroke before it is mostly a look-alike of
// the whole character (缶 is no 丿 written before 击).
constexpr int StrokesBeforePart = 2;
// A beginning may leave a single stroke after it, which its code types apart
// (韭 is 非 and 一, typed hdhg: 丨 三 丨, then the 一).
constexpr int StrokesAfterPart = 1;

} // namespace

bool keysAgree(const KnownPart& part, const Decomposition& split, const QString& fullCode)
{
    if (part.keys.empty())
        return true;
    for (qsizetype k = 0; k < fullCode.size() && k < qsizetype(split.positions.size()); ++k) {
        const CodePosition& p = split.positions[size_t(k)];
        if (p.kind != PositionKind::Component || p.strokes.back() < part.from || p.strokes.front() >= part.to)
            continue; // before or after the part; a piece reaching into it is none of its own

        const auto own = std::find(part.pieces.begin(), part.pieces.end(), p.strokes);
        if (own == part.pieces.end() || part.keys[size_t(own - part.pieces.begin())] != fullCode[k].toLatin1())
            return false;
    }
    return true;
}

void KnownParts::add(const QString& classes, const std::vector<QPolygonF>& centreLines, const Decomposition& split,
                     const QString& fullCode, PartKeys keys)
{
    if (split.kind != DecompositionKind::Roots || split.classesOnly || classes.size() < ShortestPart
        || int(centreLines.size()) != classes.size())
        return;
    Entry entry{centreLines, {}, {}, fullCode.isEmpty() ? '\0' : fullCode[0].toLatin1()};
    for (qsizetype k = 0; k < qsizetype(split.positions.size()); ++k) {
        const CodePosition& p = split.positions[size_t(k)];
        if (p.kind != PositionKind::Component)
            continue;
        entry.pieces.push_back(p.strokes);
        if (!fullCode.isEmpty() && keys == PartKeys::All)
            entry.keys.push_back(k < fullCode.size() ? fullCode[k].toLatin1() : '\0');
    }
    byClasses_[classes].push_back(std::move(entry));
}

std::vector<KnownPart> KnownParts::partAt(const QString& classes, const std::vector<QPolygonF>& centreLines,
                                          int from, int to, char firstKey) const
{
    const auto candidates = byClasses_.constFind(classes.mid(from, to - from));
    if (candidates == byClasses_.constEnd())
        return {};
    const std::vector<QPolygonF> strokes(centreLines.begin() + from, centreLines.begin() + to);
    const Entry* nearest = nullptr;
    double best = KnownPartShapeLimit;
    for (const Entry& e : *candidates) {
        if (firstKey != 0 && e.firstKey != 0 && e.firstKey != firstKey)
            continue;
        const double distance = shapeDistance(strokes, e.centreLines);
        if (distance <= best) {
            best = distance;
            nearest = &e;
        }
    }
    if (!nearest)
        return {};
    KnownPart part{from, to, {}, nearest->keys};
    for (std::vector<int> piece : nearest->pieces) {
        for (int& s : piece)
            s += from;
        part.pieces.push_back(std::move(piece));
    }
    return {part};
}

std::vector<KnownPart> KnownParts::endingOf(const QString& classes, const std::vector<QPolygonF>& centreLines) const
{
    const int n = int(classes.size());
    if (int(centreLines.size()) != n)
        return {};
    for (int from = StrokesBeforePart; from + ShortestPart <= n; ++from)
        if (std::vector<KnownPart> part = partAt(classes, centreLines, from, n); !part.empty())
            return part;
    return {};
}

std::vector<KnownPart> KnownParts::beginningOf(const QString& classes, const std::vector<QPolygonF>& centreLines,
                                               char firstKey) const
{
    const int n = int(classes.size());
    if (int(centreLines.size()) != n)
        return {};
    for (int to = n - StrokesAfterPart; to >= ShortestPart; --to)
        if (std::vector<KnownPart> part = partAt(classes, centreLines, 0, to, firstKey); !part.empty())
            return part;
    return {};
}

}
