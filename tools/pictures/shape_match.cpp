#include "tools/pictures/shape_match.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace lumbrell::data {
namespace {

constexpr int SamplesPerStroke = 8;

// The box the strokes are scaled into; a flat or thin group keeps a quarter of
// its length as its other side, so a lone horizontal does not blow up.
QRectF frameOf(const std::vector<QPolygonF>& strokes)
{
    QRectF box;
    for (const QPolygonF& s : strokes)
        box = box.isNull() ? s.boundingRect() : box.united(s.boundingRect());
    const double w = std::max({box.width(), box.height() * 0.25, 1.0});
    const double h = std::max({box.height(), box.width() * 0.25, 1.0});
    return QRectF(box.center().x() - w / 2, box.center().y() - h / 2, w, h);
}

// Points spread evenly along the line.
std::vector<QPointF> resampled(const QPolygonF& line)
{
    std::vector<QPointF> out;
    double length = 0;
    for (qsizetype i = 1; i < line.size(); ++i)
        length += QLineF(line[i - 1], line[i]).length();
    if (line.size() < 2 || length <= 0)
        return std::vector<QPointF>(SamplesPerStroke, line.isEmpty() ? QPointF() : line.first());
    qsizetype segment = 1;
    double walked = 0;
    for (int k = 0; k < SamplesPerStroke; ++k) {
        const double target = length * k / (SamplesPerStroke - 1);
        while (segment < line.size() - 1 && walked + QLineF(line[segment - 1], line[segment]).length() < target) {
            walked += QLineF(line[segment - 1], line[segment]).length();
            ++segment;
        }
        const QLineF piece(line[segment - 1], line[segment]);
        const double t = piece.length() > 0 ? std::clamp((target - walked) / piece.length(), 0.0, 1.0) : 0.0;
        out.push_back(piece.pointAt(t));
    }
    return out;
}

QPointF scaled(QPointF p, const QRectF& frame)
{
    return {(p.x() - frame.left()) / frame.width(), (p.y() - frame.top()) / frame.height()};
}

// How far p lies from the segment.
double pointGap(QPointF p, const QLineF& segment)
{
    const QPointF d = segment.p2() - segment.p1();
    const double length2 = QPointF::dotProduct(d, d);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - segment.p1(), d) / length2, 0.0, 1.0) : 0.0;
    return QLineF(p, segment.p1() + t * d).length();
}

} // namespace

double endGap(const QPolygonF& from, const QPolygonF& to)
{
    if (from.isEmpty() || to.isEmpty())
        return std::numeric_limits<double>::max();
    double gap = std::numeric_limits<double>::max();
    for (const QPointF& p : {from.first(), from.last()}) {
        if (to.size() == 1)
            gap = std::min(gap, QLineF(p, to.first()).length());
        for (qsizetype i = 1; i < to.size(); ++i)
            gap = std::min(gap, pointGap(p, QLineF(to[i - 1], to[i])));
    }
    return gap;
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
            sum += QLineF(scaled(p[size_t(k)], a), scaled(q[size_t(k)], b)).length();
    }
    return sum / double(strokes.size() * SamplesPerStroke);
}

}
