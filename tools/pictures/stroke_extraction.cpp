#include "tools/pictures/stroke_extraction.h"

#include "tools/pictures/polyline.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lumbrell::data {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double SampleStep = 6.0;    // units between outline samples
constexpr double TurnReach = 10.0;    // units before and after a point its turn is measured over
constexpr double TangentReach = 16.0; // units over which a corner's edges give their directions
constexpr double LongestBridge = 170.0; // units: wider than any stroke
constexpr double ThroughReach = 45.0; // units a bridge may pass from a corner it is carried on through,
constexpr double ThroughShare = 0.6;  // and at most this share of its length
constexpr double ForkReach = 110.0;  // units a cut line may run on past its end to a fork,
constexpr double ForkTurn = 35.0;    // turning at most this much (degrees),
constexpr double ForkRunOnStep = 12.0; // where the stroke whose edge it is runs on past the fork,
constexpr int ForkRunOnSteps = 6;      // tested every ForkRunOnStep units this many times,
constexpr double ForkRunOnInset = 8.0; // this far inside its edge
constexpr double SmallestStroke = 300.0; // square units: smaller loops are slivers of the cut
constexpr int MaskScale = 2;          // units per pixel of the inside test
constexpr int CentreLineSamples = 24;
constexpr double EndPixel = 6.0; // units per pixel of the walk that finds a stroke's ends

QPointF unit(const QPointF& v)
{
    // Not std::hypot: its care for overflow, needless at glyph sizes, cost
    // about a tenth of the data build's time.
    const double l = std::sqrt(v.x() * v.x() + v.y() * v.y());
    return l > 0 ? v / l : QPointF();
}
double dot(const QPointF& a, const QPointF& b) { return a.x() * b.x() + a.y() * b.y(); }
double cross(const QPointF& a, const QPointF& b) { return a.x() * b.y() - a.y() * b.x(); }
double degrees(const QPointF& a, const QPointF& b)
{
    return std::acos(std::clamp(dot(unit(a), unit(b)), -1.0, 1.0)) * 180 / Pi;
}

// The glyph's outline as rings of points no more than SampleStep apart.
struct Rings {
    std::vector<QPointF> at;
    std::vector<int> next, prev;
    double area = 0; // signed area of all rings: its sign is the outer rings' turning
};

Rings sampledRings(const QPainterPath& glyph)
{
    Rings r;
    for (QPolygonF ring : glyph.toSubpathPolygons()) {
        if (ring.size() > 1 && ring.first() == ring.last())
            ring.removeLast();
        if (ring.size() < 3)
            continue;
        const int first = int(r.at.size());
        double area = 0;
        for (qsizetype i = 0; i < ring.size(); ++i) {
            const QPointF a = ring[i], b = ring[(i + 1) % ring.size()];
            area += cross(a, b) / 2;
            const int pieces = std::max(1, int(std::ceil(QLineF(a, b).length() / SampleStep)));
            for (int k = 0; k < pieces; ++k)
                r.at.push_back(a + (b - a) * (double(k) / pieces));
        }
        const int last = int(r.at.size()) - 1;
        for (int i = first; i <= last; ++i) {
            r.next.push_back(i == last ? first : i + 1);
            r.prev.push_back(i == first ? last : i - 1);
        }
        r.area += area;
    }
    return r;
}

// The point reached after walking `reach` units along the ring from i (backwards when step < 0).
QPointF walked(const Rings& r, int i, double reach, bool forward)
{
    double done = 0;
    int at = i;
    for (size_t guard = 0; guard < r.at.size() && done < reach; ++guard) {
        const int n = forward ? r.next[size_t(at)] : r.prev[size_t(at)];
        done += QLineF(r.at[size_t(at)], r.at[size_t(n)]).length();
        at = n;
    }
    return r.at[size_t(at)];
}

// Signed turn in degrees at point i, positive turning the way the glyph's outer rings do.
double turnAt(const Rings& r, int i, double orientation)
{
    const QPointF in = r.at[size_t(i)] - walked(r, i, TurnReach, false);
    const QPointF out = walked(r, i, TurnReach, true) - r.at[size_t(i)];
    const double angle = std::atan2(cross(in, out), dot(in, out)) * 180 / Pi;
    return orientation >= 0 ? angle : -angle;
}

// The signed turn at every sample.
std::vector<double> turnsOf(const Rings& r)
{
    std::vector<double> turn(r.at.size());
    for (size_t i = 0; i < r.at.size(); ++i)
        turn[i] = turnAt(r, int(i), r.area);
    return turn;
}

// Sample indices of the corners: the sharpest inward turn of each run of inward turns.
std::vector<int> cornerPoints(const Rings& r, const std::vector<double>& turn, double cornerTurn)
{
    std::vector<int> corners;
    for (size_t i = 0; i < r.at.size(); ++i) {
        if (-turn[i] < cornerTurn)
            continue;
        bool sharpest = true;
        double done = 0;
        for (int at = int(i), k = 0; sharpest && done < TurnReach && k < 64; ++k) {
            const int n = r.next[size_t(at)];
            done += QLineF(r.at[size_t(at)], r.at[size_t(n)]).length();
            at = n;
            sharpest = -turn[size_t(at)] <= -turn[i] || at == int(i);
        }
        done = 0;
        for (int at = int(i), k = 0; sharpest && done < TurnReach && k < 64; ++k) {
            const int p = r.prev[size_t(at)];
            done += QLineF(r.at[size_t(at)], r.at[size_t(p)]).length();
            at = p;
            sharpest = -turn[size_t(at)] < -turn[i] || at == int(i);
        }
        if (sharpest)
            corners.push_back(int(i));
    }
    return corners;
}

// The glyph filled, for telling whether a bridge runs inside it.
struct Mask {
    QImage image;
    explicit Mask(const QPainterPath& glyph) : image(1024 / MaskScale, 1024 / MaskScale, QImage::Format_Grayscale8)
    {
        image.fill(0);
        QPainter p(&image);
        p.scale(1.0 / MaskScale, 1.0 / MaskScale);
        p.fillPath(glyph, Qt::white);
    }
    bool inside(const QPointF& at) const
    {
        const int x = int(at.x() / MaskScale), y = int(at.y() / MaskScale);
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() && image.constScanLine(y)[x] > 127;
    }
    bool holds(const QPointF& a, const QPointF& b) const
    {
        for (int k = 1; k < 8; ++k)
            if (!inside(a + (b - a) * (k / 8.0)))
                return false;
        return true;
    }
};

// A pair of corners that could be bridged, and which edge of each it carries on.
struct BridgeCandidate {
    double score;
    int a, b, slotA, slotB;
};

// Every pair of corners whose edges a straight cut inside the glyph could
// carry on, the straightest, shortest first.
std::vector<BridgeCandidate> bridgeCandidates(const std::vector<OutlineCorner>& corners, const Mask& mask, double slack)
{
    std::vector<BridgeCandidate> candidates;
    for (size_t a = 0; a < corners.size(); ++a) {
        for (size_t b = a + 1; b < corners.size(); ++b) {
            const QPointF v = corners[b].at - corners[a].at;
            const double length = std::hypot(v.x(), v.y());
            if (length < 2 || length > LongestBridge || !mask.holds(corners[a].at, corners[b].at))
                continue;
            const QPointF edgesA[2] = {corners[a].in, -corners[a].out};
            const QPointF edgesB[2] = {corners[b].in, -corners[b].out};
            for (int sa = 0; sa < 2; ++sa) {
                for (int sb = 0; sb < 2; ++sb) {
                    const double da = degrees(v, edgesA[sa]), db = degrees(-v, edgesB[sb]);
                    if (da <= slack && db <= slack)
                        candidates.push_back({(da + db) / slack + length / LongestBridge, int(a), int(b), sa, sb});
                }
            }
        }
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const BridgeCandidate& x, const BridgeCandidate& y) { return x.score < y.score; });
    return candidates;
}

// Whether a bridge joins corners a and b, either way round.
bool joinsCorners(const Bridge& bridge, int a, int b)
{
    return (bridge.from == a && bridge.to == b) || (bridge.from == b && bridge.to == a);
}

// Pairs corners into bridges: each corner carries on its arriving edge and its
// leaving edge (backwards) once each; the straightest, shortest pairs first,
// leaving out the barred pair, if any.
std::vector<Bridge> pairedCorners(size_t cornerCount, const std::vector<BridgeCandidate>& candidates,
                                  const Bridge* barred = nullptr)
{
    std::vector<std::array<bool, 2>> taken(cornerCount, {false, false});
    std::vector<Bridge> bridges;
    for (const BridgeCandidate& c : candidates) {
        if (taken[size_t(c.a)][size_t(c.slotA)] || taken[size_t(c.b)][size_t(c.slotB)]
            || (barred && joinsCorners(*barred, c.a, c.b)))
            continue;
        if (std::any_of(bridges.begin(), bridges.end(), [&](const Bridge& br) { return joinsCorners(br, c.a, c.b); }))
            continue;
        taken[size_t(c.a)][size_t(c.slotA)] = taken[size_t(c.b)][size_t(c.slotB)] = true;
        bridges.push_back({c.a, c.b});
    }
    return bridges;
}

// A bridge that runs close past a third corner is cut there into two that
// carry one cut line on through it: the fork where a stroke starts from a
// crossing (大's ㇏ under its 一) lies on the edge of the stroke it starts
// from, and both strokes' outlines must follow that edge up to the fork.
void passedThroughCorners(const std::vector<OutlineCorner>& corners, const Mask& mask, std::vector<Bridge>& bridges)
{
    std::vector<int> bridgesAt(corners.size(), 0);
    for (const Bridge& b : bridges)
        ++bridgesAt[size_t(b.from)], ++bridgesAt[size_t(b.to)];
    const auto joined = [&](int a, int b) {
        return std::any_of(bridges.begin(), bridges.end(), [&](const Bridge& br) {
            return (br.from == a && br.to == b) || (br.from == b && br.to == a);
        });
    };
    const size_t original = bridges.size();
    for (size_t k = 0; k < original; ++k) {
        const QPointF a = corners[size_t(bridges[k].from)].at, b = corners[size_t(bridges[k].to)].at;
        const QPointF along = b - a;
        const double length = std::hypot(along.x(), along.y());
        int nearest = -1;
        double nearestOff = std::min(ThroughReach, length * ThroughShare);
        for (size_t c = 0; c < corners.size(); ++c) {
            const QPointF at = corners[c].at;
            const double t = dot(at - a, along) / (length * length);
            const double off = std::abs(cross(along, at - a)) / length;
            if (int(c) == bridges[k].from || int(c) == bridges[k].to || bridgesAt[c] > 1 || t < 0.1 || t > 0.9
                || off >= nearestOff || joined(bridges[k].from, int(c)) || joined(int(c), bridges[k].to)
                || !mask.holds(a, at) || !mask.holds(at, b))
                continue;
            nearest = int(c);
            nearestOff = off;
        }
        if (nearest < 0)
            continue;
        bridges.push_back({nearest, bridges[k].to, bridges[k].carriedOnBy});
        bridges[k].to = nearest;
        bridges[k].carriedOnBy = int(bridges.size()) - 1;
        bridgesAt[size_t(nearest)] += 2;
    }
}

// Whether a stroke runs on along one side of a line past `at`: so the
// line is the edge of a stroke another leaves at a fork, not the inner edge
// of a turn, whose outer edge lies close beyond its corner.
bool runsOnPast(const Mask& mask, const QPointF& at, const QPointF& along)
{
    const QPointF across(-along.y(), along.x());
    for (const double side : {-1.0, 1.0}) {
        bool inside = true;
        for (int k = 1; inside && k <= ForkRunOnSteps; ++k)
            inside = mask.inside(at + along * (k * ForkRunOnStep) + across * (side * ForkRunOnInset));
        if (inside)
            return true;
    }
    return false;
}

// A corner no bridge reaches, lying a little past the end of a cut line and
// in line with it, is where that line runs on to: the fork under a crossing
// where 木's 丿 and 丶 leave the 丨 has no corner on the crossing to pair
// with, its edge is the 丨's edge carried on down through the crossing.
// Whether any line was run on.
bool carriedOnToForks(const std::vector<OutlineCorner>& corners, const Mask& mask, double slack,
                      std::vector<Bridge>& bridges)
{
    std::vector<int> bridgesAt(corners.size(), 0);
    std::vector<bool> carriedInto(bridges.size(), false);
    for (const Bridge& b : bridges) {
        ++bridgesAt[size_t(b.from)], ++bridgesAt[size_t(b.to)];
        if (b.carriedOnBy >= 0)
            carriedInto[size_t(b.carriedOnBy)] = true;
    }
    bool ranOn = false;
    for (size_t c = 0; c < corners.size(); ++c) {
        if (bridgesAt[c] > 0)
            continue;
        const QPointF at = corners[c].at;
        int best = -1;
        bool reversed = false;
        double straightest = ForkTurn;
        for (size_t k = 0; k < bridges.size(); ++k) {
            const Bridge& b = bridges[k];
            for (const bool fromEnd : {false, true}) {
                // The line must end at this end: nothing carries it on past it.
                if (fromEnd ? carriedInto[k] || b.carriedOnBy >= 0 : b.carriedOnBy >= 0)
                    continue;
                const QPointF end = corners[size_t(fromEnd ? b.from : b.to)].at;
                const QPointF start = corners[size_t(fromEnd ? b.to : b.from)].at;
                const QPointF on = at - end;
                const double length = std::sqrt(dot(on, on));
                if (length < 2 || length > ForkReach)
                    continue;
                const double turn = degrees(end - start, on);
                const double edge = std::min(degrees(-on, corners[c].in), degrees(-on, -corners[c].out));
                if (turn >= straightest || edge > slack || !mask.holds(end, at) || !runsOnPast(mask, at, on / length))
                    continue;
                straightest = turn;
                best = int(k);
                reversed = fromEnd;
            }
        }
        if (best < 0)
            continue;
        Bridge& b = bridges[size_t(best)];
        if (reversed)
            std::swap(b.from, b.to);
        bridges.push_back({b.to, int(c)});
        bridges[size_t(best)].carriedOnBy = int(bridges.size()) - 1;
        carriedInto.push_back(true);
        ++bridgesAt[c];
        ranOn = true;
    }
    return ranOn;
}

double areaOf(const QPolygonF& ring)
{
    double a = 0;
    for (qsizetype i = 0; i < ring.size(); ++i)
        a += cross(ring[i], ring[(i + 1) % ring.size()]) / 2;
    return std::abs(a);
}

// The pixel of a filled mask farthest inside it, walking, from a start pixel.
QPoint farthestByWalk(const QImage& mask, QPoint start)
{
    const int w = mask.width(), h = mask.height();
    std::vector<int> distance(size_t(w * h), -1);
    std::vector<QPoint> queue{start};
    distance[size_t(start.y() * w + start.x())] = 0;
    QPoint last = start;
    for (size_t head = 0; head < queue.size(); ++head) {
        last = queue[head];
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = last.x() + dx, y = last.y() + dy;
                if (x < 0 || y < 0 || x >= w || y >= h || mask.constScanLine(y)[x] == 0
                    || distance[size_t(y * w + x)] >= 0)
                    continue;
                distance[size_t(y * w + x)] = distance[size_t(last.y() * w + last.x())] + 1;
                queue.push_back({x, y});
            }
    }
    return last;
}

// The two points of the ring nearest the ends of the stroke: the ends of the
// longest walk inside it (from any pixel to the farthest, and from there to
// the farthest again), so a turning stroke ends at its turn's far end.
std::pair<qsizetype, qsizetype> strokeEnds(const QPolygonF& ring)
{
    const QRectF box = ring.boundingRect();
    QImage mask(int(box.width() / EndPixel) + 3, int(box.height() / EndPixel) + 3, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.scale(1.0 / EndPixel, 1.0 / EndPixel);
        p.translate(-box.left() + EndPixel, -box.top() + EndPixel);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(ring);
    }
    QPoint any(-1, -1);
    for (int y = 0; y < mask.height() && any.x() < 0; ++y)
        for (int x = 0; x < mask.width() && any.x() < 0; ++x)
            if (mask.constScanLine(y)[x])
                any = {x, y};
    if (any.x() < 0)
        return {0, ring.size() / 2};
    const QPoint a = farthestByWalk(mask, any);
    const QPoint b = farthestByWalk(mask, a);
    auto nearest = [&](QPoint px) {
        const QPointF at(box.left() + (px.x() - 1 + 0.5) * EndPixel, box.top() + (px.y() - 1 + 0.5) * EndPixel);
        qsizetype best = 0;
        for (qsizetype i = 1; i < ring.size(); ++i)
            if (QLineF(ring[i], at).length() < QLineF(ring[best], at).length())
                best = i;
        return best;
    };
    return {nearest(a), nearest(b)};
}

// The stroke's centre line: from one end to the other, halfway between the
// two sides of its outline.
QPolygonF centreLineOf(const QPolygonF& ring)
{
    const qsizetype n = ring.size();
    const auto [first, second] = strokeEnds(ring);
    const qsizetype ends[2] = {first, second};
    std::vector<QPointF> one, other;
    for (qsizetype i = ends[0]; i != ends[1]; i = (i + 1) % n)
        one.push_back(ring[i]);
    one.push_back(ring[ends[1]]);
    for (qsizetype i = ends[0]; i != ends[1]; i = (i + n - 1) % n)
        other.push_back(ring[i]);
    other.push_back(ring[ends[1]]);
    if (one.size() < 2 || other.size() < 2)
        return QPolygonF({ring[ends[0]], ring[ends[1]]});
    const std::vector<QPointF> a = evenlyAlong(one, CentreLineSamples), b = evenlyAlong(other, CentreLineSamples);
    QPolygonF line;
    for (int k = 0; k < CentreLineSamples; ++k)
        line << (a[size_t(k)] + b[size_t(k)]) / 2;
    return line;
}

// Walks the outline and the bridges into closed rings, one per stroke: along
// the outline until a corner with a bridge, across the bridge that carries the
// arriving direction on best, then along the outline again.
// `onOpenWalk` marks the bridges crossed by a walk that did not come back to
// its start.
std::vector<QPolygonF> walkedRings(const Rings& r, const std::vector<int>& cornerAt,
                                   const std::vector<OutlineCorner>& corners, const std::vector<Bridge>& bridges,
                                   bool& closed, std::vector<bool>& onOpenWalk)
{
    onOpenWalk.assign(bridges.size(), false);
    std::vector<std::vector<std::pair<int, int>>> leaving(r.at.size()); // (bridge, other end's sample)
    for (size_t b = 0; b < bridges.size(); ++b) {
        const int from = cornerAt[size_t(bridges[b].from)], to = cornerAt[size_t(bridges[b].to)];
        leaving[size_t(from)].push_back({int(b) * 2, to});
        leaving[size_t(to)].push_back({int(b) * 2 + 1, from});
    }
    (void)corners;
    // Directed bridge 2b runs from -> to, 2b + 1 back; where a cut line runs on
    // through a corner, the directed bridge that carries each arrival on.
    std::vector<int> carriedOn(bridges.size() * 2, -1);
    for (size_t b = 0; b < bridges.size(); ++b) {
        if (const int next = bridges[b].carriedOnBy; next >= 0) {
            carriedOn[b * 2] = next * 2;
            carriedOn[size_t(next) * 2 + 1] = int(b) * 2 + 1;
        }
    }
    const auto endOf = [&](int id) {
        const Bridge& b = bridges[size_t(id / 2)];
        return cornerAt[size_t(id % 2 ? b.from : b.to)];
    };
    // Positive where a turn from one heading to another bends towards the glyph's inside.
    const double inward = r.area >= 0 ? 1.0 : -1.0;
    std::vector<bool> edgeUsed(r.at.size(), false), bridgeUsed(bridges.size() * 2, false);
    std::vector<QPolygonF> rings;
    for (size_t start = 0; start < r.at.size(); ++start) {
        if (edgeUsed[start] || !leaving[start].empty())
            continue;
        QPolygonF ring;
        std::vector<int> crossed; // the bridges this walk came across
        int at = int(start);
        bool byBridge = true; // no bridge is taken where the walk starts
        int arrivedBy = -1;   // the directed bridge the walk came across, if it did
        QPointF heading = unit(r.at[start] - r.at[size_t(r.prev[start])]);
        for (size_t steps = 0; steps < 4 * r.at.size() + 8; ++steps) {
            ring << r.at[size_t(at)];
            // Where the cut line runs on through this corner, the walk follows
            // it on or leaves along the outline, whichever keeps nearer the
            // inside: the stroke on this side of the line ends here.
            const int next = arrivedBy >= 0 ? carriedOn[size_t(arrivedBy)] : -1;
            if (next >= 0 && !bridgeUsed[size_t(next)]) {
                const QPointF onward = unit(r.at[size_t(endOf(next))] - r.at[size_t(at)]);
                const QPointF outline = unit(r.at[size_t(r.next[size_t(at)])] - r.at[size_t(at)]);
                const auto bend = [&](const QPointF& to) {
                    return inward * std::atan2(cross(heading, to), dot(heading, to));
                };
                if (bend(onward) > bend(outline)) {
                    bridgeUsed[size_t(next)] = true;
                    crossed.push_back(next / 2);
                    arrivedBy = next;
                    heading = onward;
                    at = endOf(next);
                    continue;
                }
            }
            arrivedBy = -1;
            if (!byBridge && !leaving[size_t(at)].empty()) {
                int best = -1;
                double straightest = -2;
                for (size_t k = 0; k < leaving[size_t(at)].size(); ++k) {
                    const auto [id, to] = leaving[size_t(at)][k];
                    const double d = dot(heading, unit(r.at[size_t(to)] - r.at[size_t(at)]));
                    if (!bridgeUsed[size_t(id)] && d > straightest) {
                        straightest = d;
                        best = int(k);
                    }
                }
                if (best >= 0) {
                    const auto [id, to] = leaving[size_t(at)][size_t(best)];
                    bridgeUsed[size_t(id)] = true;
                    crossed.push_back(id / 2);
                    heading = unit(r.at[size_t(to)] - r.at[size_t(at)]);
                    at = to;
                    byBridge = true;
                    arrivedBy = id;
                    continue;
                }
            }
            if (edgeUsed[size_t(at)]) {
                if (at != int(start)) {
                    closed = false;
                    for (int b : crossed)
                        onOpenWalk[size_t(b)] = true;
                }
                break;
            }
            edgeUsed[size_t(at)] = true;
            const int n = r.next[size_t(at)];
            heading = unit(r.at[size_t(n)] - r.at[size_t(at)]);
            at = n;
            byBridge = false;
        }
        if (ring.size() > 1 && ring.first() == ring.last())
            ring.removeLast();
        rings.push_back(ring);
    }
    return rings;
}

// What a cut needs of the glyph whatever its settings: the sampled outline and the filled glyph.
struct PreparedGlyph {
    Rings rings;
    std::vector<double> turns;
    Mask mask;
    explicit PreparedGlyph(const QPainterPath& glyph) : rings(sampledRings(glyph)), turns(turnsOf(rings)), mask(glyph) {}
};

// The cut with one stroke for each walked ring but slivers.
GlyphCut withStrokes(GlyphCut cut, const std::vector<QPolygonF>& rings)
{
    for (const QPolygonF& ring : rings) {
        if (ring.size() < 3 || areaOf(ring) < SmallestStroke)
            continue;
        cut.strokes.push_back({ring, QPolygonF()});
    }
    return cut;
}

// The cut's corners, bridges and stroke outlines, without their centre lines.
GlyphCut outlinesCut(const PreparedGlyph& g, const CutSettings& settings, bool mendOpenWalks)
{
    GlyphCut cut;
    const Rings& r = g.rings;
    if (r.at.empty())
        return cut;
    const std::vector<int> cornerAt = cornerPoints(r, g.turns, settings.cornerTurn);
    for (int i : cornerAt) {
        const QPointF at = r.at[size_t(i)];
        cut.corners.push_back({at, unit(at - walked(r, i, TangentReach, false)), unit(walked(r, i, TangentReach, true) - at)});
    }
    const std::vector<BridgeCandidate> candidates = bridgeCandidates(cut.corners, g.mask, settings.bridgeSlack);
    bool ranOnToForks = false;
    // The paired bridges, each carried on through the corners it passes;
    // `origin` gives the pair each bridge was cut from.
    const auto carriedThrough = [&](std::vector<Bridge> bridges, std::vector<int>& origin) {
        const size_t paired = bridges.size();
        if (settings.throughCorners)
            passedThroughCorners(cut.corners, g.mask, bridges);
        if (settings.onToForks)
            ranOnToForks = carriedOnToForks(cut.corners, g.mask, settings.bridgeSlack, bridges) || ranOnToForks;
        origin.resize(bridges.size());
        for (size_t k = 0; k < paired; ++k)
            for (int on = int(k); on >= 0; on = bridges[size_t(on)].carriedOnBy)
                origin[size_t(on)] = int(k);
        return bridges;
    };
    const std::vector<Bridge> pairs = pairedCorners(cut.corners.size(), candidates);
    std::vector<int> origin;
    std::vector<bool> onOpenWalk;
    cut.bridges = carriedThrough(pairs, origin);
    // Run on to no fork, the cut is one the settings without it gave.
    if (settings.onToForks && !ranOnToForks)
        return {};
    std::vector<QPolygonF> rings = walkedRings(r, cornerAt, cut.corners, cut.bridges, cut.closed, onOpenWalk);
    if (!mendOpenWalks || cut.closed)
        return withStrokes(std::move(cut), rings);
    // A walk left open means one bridge took a corner's edge another needed
    // (白's 丿 carried on through the box's inner corner that the upright's
    // edge must reach): the corners are paired again without one of the
    // pairs the open walks came across, the last paired first, and the first
    // pairing that puts exactly one other pair in its place and closes every
    // walk is kept. Merely leaving a pair out closes many walks too, but
    // mostly by joining two strokes.
    std::vector<bool> suspect(pairs.size(), false);
    for (size_t k = 0; k < cut.bridges.size(); ++k)
        if (onOpenWalk[k])
            suspect[size_t(origin[k])] = true;
    for (size_t k = pairs.size(); k-- > 0;) {
        if (!suspect[k])
            continue;
        const std::vector<Bridge> again = pairedCorners(cut.corners.size(), candidates, &pairs[k]);
        const auto anew = std::count_if(again.begin(), again.end(), [&](const Bridge& b) {
            return std::none_of(pairs.begin(), pairs.end(), [&](const Bridge& p) { return joinsCorners(p, b.from, b.to); });
        });
        if (anew != 1 || again.size() != pairs.size())
            continue;
        bool closed = true;
        std::vector<Bridge> bridges = carriedThrough(again, origin);
        std::vector<QPolygonF> mended = walkedRings(r, cornerAt, cut.corners, bridges, closed, onOpenWalk);
        if (closed) {
            cut.bridges = std::move(bridges);
            cut.closed = true;
            return withStrokes(std::move(cut), mended);
        }
    }
    return withStrokes(std::move(cut), rings);
}

GlyphCut withCentreLines(GlyphCut cut)
{
    for (ExtractedStroke& stroke : cut.strokes)
        stroke.centreLine = centreLineOf(stroke.outline);
    return cut;
}

} // namespace

GlyphCut cutIntoStrokes(const QPainterPath& glyph, const CutSettings& settings)
{
    return withCentreLines(outlinesCut(PreparedGlyph(glyph), settings, true));
}

GlyphCut cutIntoCount(const QPainterPath& glyph, const std::vector<size_t>& counts)
{
    // The usual first, then readier and less ready to see corners, then
    // bridges held straighter (a serif's notch is no joint), corners seen
    // only where the outline turns hard, and mixes of these; last, corners
    // seen only at the hardest turns, bridges held straightest, and bridges
    // let stray furthest; at the very last the usual settings without cut
    // lines carried on through corners, which some glyphs (傃, 錸) are cut
    // whole only by.
    static const CutSettings tried[] = {{}, {28.0, 60.0}, {14.0, 70.0}, {20.0, 45.0},
                                        {36.0, 60.0}, {36.0, 45.0}, {28.0, 75.0}, {10.0, 70.0},
                                        {48.0, 60.0}, {20.0, 30.0}, {28.0, 30.0}, {14.0, 85.0},
                                        {20.0, 60.0, false}};
    // Every setting is tried as it is before any with its open walks mended
    // (only those that left a walk open can change), so a cut that closes by
    // itself is never traded for a mended one.
    const PreparedGlyph prepared(glyph);
    const auto fits = [&](const GlyphCut& cut) {
        return cut.closed && std::find(counts.begin(), counts.end(), cut.strokes.size()) != counts.end();
    };
    std::vector<const CutSettings*> leftOpen;
    GlyphCut usual; // the usual setting's cut, mended where it is left open
    for (const CutSettings& settings : tried) {
        GlyphCut cut = outlinesCut(prepared, settings, false);
        if (fits(cut))
            return withCentreLines(std::move(cut));
        if (!cut.closed)
            leftOpen.push_back(&settings);
        if (&settings == tried)
            usual = std::move(cut);
    }
    for (const CutSettings* settings : leftOpen) {
        GlyphCut cut = outlinesCut(prepared, *settings, true);
        if (fits(cut))
            return withCentreLines(std::move(cut));
        if (settings == tried)
            usual = std::move(cut);
    }
    // Last, every setting with cut lines run on to forks no bridge reaches:
    // a turning stroke's inner corner can lie just as a fork does, so this
    // is only for glyphs no other cut gives whole.
    for (CutSettings settings : tried) {
        settings.onToForks = true;
        GlyphCut cut = outlinesCut(prepared, settings, true);
        if (fits(cut))
            return withCentreLines(std::move(cut));
    }
    return withCentreLines(std::move(usual));
}

}
