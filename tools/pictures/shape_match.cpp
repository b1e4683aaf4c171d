#include "tools/pictures/shape_match.h"

#include "tools/pictures/polyline.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace lumbrell::data {
namespace {

constexpr int SamplesPerStroke = 8;

// The frame the strokes are scaled into.
QRectF frameOf(const std::vector<QPolygonF>& strokes)
{
    QRectF box;
    for (const QPolygonF& s : strokes)
        box = box.isNull() ? s.boundingRect() : box.united(s.boundingRect());
    return squaredFrame(box);
}

// Points spread evenly along the line.
std::vector<QPointF> resampled(const QPolygonF& line)
{
    if (line.size() < 2)
        return std::vector<QPointF>(SamplesPerStroke, line.isEmpty() ? QPointF() : line.first());
    return evenlyAlong(std::vector<QPointF>(line.begin(), line.end()), SamplesPerStroke);
}

// The square of how far p lies from the segment: gaps are compared many
// times per split, and only the smallest needs its root taken.
double squaredPointGap(QPointF p, const QLineF& segment)
{
    const QPointF d = segment.p2() - segment.p1();
    const double length2 = QPointF::dotProduct(d, d);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - segment.p1(), d) / length2, 0.0, 1.0) : 0.0;
    const QPointF off = p - (segment.p1() + t * d);
    return QPointF::dotProduct(off, off);
}

} // namespace

double endGap(const QPolygonF& from, const QPolygonF& to)
{
    if (from.isEmpty() || to.isEmpty())
        return std::numeric_limits<double>::max();
    double gap2 = std::numeric_limits<double>::max();
    for (const QPointF& p : {from.first(), from.last()}) {
        if (to.size() == 1)
            gap2 = std::min(gap2, QPointF::dotProduct(p - to.first(), p - to.first()));
        for (qsizetype i = 1; i < to.size(); ++i)
            gap2 = std::min(gap2, squaredPointGap(p, QLineF(to[i - 1], to[i])));
    }
    return std::sqrt(gap2);
}

double lineGap(const QPolygonF& a, const QPolygonF& b)
{
    for (qsizetype i = 1; i < a.size(); ++i)
        for (qsizetype j = 1; j < b.size(); ++j)
            if (QLineF(a[i - 1], a[i]).intersects(QLineF(b[j - 1], b[j])) == QLineF::BoundedIntersection)
                return 0;
    double gap2 = std::numeric_limits<double>::max();
    for (const auto& [from, to] : {std::pair{&a, &b}, std::pair{&b, &a}})
        for (const QPointF& p : *from)
            for (qsizetype j = 1; j < to->size(); ++j)
                gap2 = std::min(gap2, squaredPointGap(p, QLineF((*to)[j - 1], (*to)[j])));
    return gap2 == std::numeric_limits<double>::max() ? gap2 : std::sqrt(gap2);
}

double shapeDistance(const std::vector<QPolygonF>& strokes, const std::vector<QPolygonF>& reference)
{
    if (strokes.size() != reference.size() || strokes.empty())
        return 1.0;
    const QRectF a = frameOf(strokes), b = frameOf(reference);
    double sum = 0;
    for (size_t i = 0; i < strokes.size(); ++i) {
        const std::vector<QPointF> p = resampled(strokes[i]), q = resampled(reference[i]);
        for (int k = 0; k < SamplesPerStroke; ++k)
            sum += QLineF(inFrame(p[size_t(k)], a), inFrame(q[size_t(k)], b)).length();
    }
    return sum / double(strokes.size() * SamplesPerStroke);
}

}
