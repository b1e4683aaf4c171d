#include "tools/pictures/stroke_matching.h"

#include "tools/pictures/polyline.h"
#include "tools/pictures/stroke_order.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace lumbrell::data {
namespace {

constexpr double CutSlack = 1.0;     // how much worse a cut into parts may read than the best reading
constexpr double RankWeight = 0.8;   // cost of one place off the top-left-first order
constexpr double TopLeftLean = 0.5;  // how much a stroke's left edge counts against its top edge
constexpr double StrayShare = 0.2;   // share of a stroke's centre line that may lie across a cut
constexpr double CutMargin = 8.0;    // units past a cut that still count as on its side
constexpr int LineSamples = 8;
constexpr double FlatSlope = 15.0;  // degrees: a flatter stroke is written from the left
constexpr double SteepSlope = 75.0; // degrees: a steeper one from the top
constexpr double TemplateDistance = 0.12; // mean distance (share of the frame) within which a known drawing guides
constexpr double TemplateClassWeight = 0.02; // a stroke that reads as another class is that much farther from its place

struct Piece {
    QRectF box;
    QPolygonF line; // the centre line
    std::array<double, 5> cost; // by class: how badly the centre line reads as it
};

double readingCost(const QPolygonF& line, char strokeClass)
{
    return -readingLogOdds(strokeClass, strokeClassOfLine(writtenAs(line, strokeClass)));
}

// LineSamples points spread evenly along the line, in the frame's units (0..1).
std::vector<QPointF> sampledInFrame(const QPolygonF& line, const QRectF& box)
{
    const QRectF frame = squaredFrame(box);
    std::vector<QPointF> chain(line.begin(), line.end());
    if (chain.size() < 2)
        chain.assign(2, line.isEmpty() ? QPointF() : line.first());
    std::vector<QPointF> out = evenlyAlong(chain, LineSamples);
    for (QPointF& p : out)
        p = inFrame(p, frame);
    return out;
}

struct Orderer {
    const std::vector<Piece>& pieces;
    const QString& classes;
    const StrokeTemplates* templates;
    const QString& self;
    std::vector<int> order; // position → piece
    double cost = 0;

    char classAt(int position) const { return char(classes[position].unicode()); }

    double classCost(int piece, int position) const { return pieces[size_t(piece)].cost[size_t(classAt(position) - '1')]; }

    // The assignment of a group to positions [offset, offset + size); rank adds the top-left-first order.
    std::vector<int> assign(const std::vector<int>& group, int offset, bool rank, double* total) const
    {
        const size_t n = group.size();
        std::vector<int> byPlace(group);
        std::sort(byPlace.begin(), byPlace.end(), [&](int a, int b) {
            const QRectF& x = pieces[size_t(a)].box;
            const QRectF& y = pieces[size_t(b)].box;
            return x.top() + TopLeftLean * x.left() < y.top() + TopLeftLean * y.left();
        });
        std::vector<std::vector<double>> cost(n, std::vector<double>(n));
        for (size_t r = 0; r < n; ++r)
            for (size_t c = 0; c < n; ++c)
                cost[r][c] = classCost(byPlace[r], offset + int(c))
                    + (rank ? RankWeight * std::abs(double(r) - double(c)) : 0.0);
        const std::vector<int> column = cheapestAssignment(cost);
        std::vector<int> placed(n);
        *total = 0;
        for (size_t r = 0; r < n; ++r) {
            placed[size_t(column[r])] = byPlace[r];
            *total += classCost(byPlace[r], offset + column[r]);
        }
        return placed;
    }

    // Of two strokes placed as 横 (or 提), or two placed as 撇, one above
    // the other, the higher is written first (毛's two 一, 斤's two 丿): the
    // top-left-first order takes a lower stroke reaching further left first,
    // and where a stroke of another class stands between the two in that
    // order, it leaves theirs to chance. Centres, not tops: 火's long 丿
    // starts above its short one.
    std::vector<int> higherFirst(std::vector<int> placed, int offset) const
    {
        auto above = [&](int a, int b) {
            const QRectF &x = pieces[size_t(a)].box, &y = pieces[size_t(b)].box;
            const double shared = std::min(x.right(), y.right()) - std::max(x.left(), y.left());
            return shared > 0.5 * std::min(x.width(), y.width()) && x.center().y() < y.center().y();
        };
        for (bool moved = true; moved;) {
            moved = false;
            for (size_t i = 0; i < placed.size(); ++i) {
                for (size_t j = i + 1; j < placed.size(); ++j) {
                    const char strokeClass = classAt(offset + int(i));
                    if ((strokeClass == '1' || strokeClass == '3') && classAt(offset + int(j)) == strokeClass
                        && above(placed[j], placed[i])) {
                        std::swap(placed[i], placed[j]);
                        moved = true;
                    }
                }
            }
        }
        return placed;
    }

    // Share of a stroke's centre line past a cut line on the wrong side.
    double stray(int piece, bool across, double at, bool first) const
    {
        int past = 0;
        const QPolygonF& line = pieces[size_t(piece)].line;
        for (const QPointF& p : line) {
            const double v = across ? p.x() : p.y();
            past += first ? v > at + CutMargin : v < at - CutMargin;
        }
        return line.isEmpty() ? 0.0 : double(past) / double(line.size());
    }

    // The ways to split a group into a first and a second part standing
    // apart: left and right, or above and below, a stroke reaching a little
    // into the other part (the 提 of 扌) still on its own side.
    std::vector<std::pair<std::vector<int>, std::vector<int>>> cuts(const std::vector<int>& group) const
    {
        std::vector<std::pair<std::vector<int>, std::vector<int>>> out;
        for (const bool across : {true, false}) {
            auto middle = [&](int p) {
                const QPointF c = pieces[size_t(p)].box.center();
                return across ? c.x() : c.y();
            };
            std::vector<int> sorted(group);
            std::sort(sorted.begin(), sorted.end(), [&](int a, int b) { return middle(a) < middle(b); });
            for (size_t k = 1; k < sorted.size(); ++k) {
                double reach = -std::numeric_limits<double>::infinity(), rest = std::numeric_limits<double>::infinity();
                for (size_t j = 0; j < sorted.size(); ++j) {
                    const QRectF& b = pieces[size_t(sorted[j])].box;
                    if (j < k)
                        reach = std::max(reach, across ? b.right() : b.bottom());
                    else
                        rest = std::min(rest, across ? b.left() : b.top());
                }
                const double at = reach <= rest ? (reach + rest) / 2 : (middle(sorted[k - 1]) + middle(sorted[k])) / 2;
                bool apart = true;
                for (size_t j = 0; j < sorted.size() && apart; ++j)
                    apart = stray(sorted[j], across, at, j < k) <= StrayShare;
                if (apart)
                    out.push_back({std::vector<int>(sorted.begin(), sorted.begin() + long(k)),
                                   std::vector<int>(sorted.begin() + long(k), sorted.end())});
            }
        }
        return out;
    }

    // The order of the group as the known drawing of its classes nearest in
    // shape (place → piece), where one is near enough; else empty.
    std::vector<int> templateOrder(const std::vector<int>& group, int offset) const
    {
        const std::vector<StrokeTemplates::Drawing>* drawings =
            templates ? templates->withClasses(classes.mid(offset, qsizetype(group.size()))) : nullptr;
        if (!drawings)
            return {};
        const size_t n = group.size();
        QRectF frame;
        for (int p : group)
            frame = frame.isNull() ? pieces[size_t(p)].line.boundingRect() : frame.united(pieces[size_t(p)].line.boundingRect());
        std::vector<std::vector<std::vector<QPointF>>> mine(n); // by piece, by class of the place: sampled line
        double bestMean = TemplateDistance;
        std::vector<int> bestOrder;
        for (const StrokeTemplates::Drawing& d : *drawings) {
            if (d.ch == self)
                continue;
            std::vector<std::vector<double>> cost(n, std::vector<double>(n));
            for (size_t r = 0; r < n; ++r) {
                for (size_t c = 0; c < n; ++c) {
                    const QPolygonF line = writtenAs(pieces[size_t(group[r])].line, classAt(offset + int(c)));
                    const std::vector<QPointF> p = sampledInFrame(line, frame);
                    double sum = 0;
                    for (int k = 0; k < LineSamples; ++k)
                        sum += QLineF(p[size_t(k)], d.lines[c][size_t(k)]).length();
                    cost[r][c] = sum / LineSamples + TemplateClassWeight * classCost(group[r], offset + int(c));
                }
            }
            const std::vector<int> column = cheapestAssignment(cost);
            double mean = 0;
            for (size_t r = 0; r < n; ++r)
                mean += cost[r][size_t(column[r])] / double(n);
            if (mean < bestMean) {
                bestMean = mean;
                bestOrder.assign(n, 0);
                for (size_t r = 0; r < n; ++r)
                    bestOrder[size_t(column[r])] = group[r];
            }
        }
        return bestOrder;
    }

    // The group written as the known drawing of its classes nearest in shape, where one is near enough.
    bool followTemplate(const std::vector<int>& group, int offset)
    {
        const std::vector<int> bestOrder = templateOrder(group, offset);
        if (bestOrder.empty())
            return false;
        for (size_t k = 0; k < bestOrder.size(); ++k) {
            order[size_t(offset) + k] = bestOrder[k];
            cost += classCost(bestOrder[k], offset + int(k));
        }
        return true;
    }

    void place(const std::vector<int>& group, int offset)
    {
        if (group.size() == 1) {
            order[size_t(offset)] = group.front();
            cost += classCost(group.front(), offset);
            return;
        }
        if (followTemplate(group, offset))
            return;
        double best = 0;
        assign(group, offset, false, &best);
        const std::pair<std::vector<int>, std::vector<int>>* chosen = nullptr;
        double chosenCost = best + CutSlack;
        const auto parts = cuts(group);
        for (const auto& part : parts) {
            double first = 0, second = 0;
            assign(part.first, offset, false, &first);
            assign(part.second, offset + int(part.first.size()), false, &second);
            if (first + second <= chosenCost) {
                chosenCost = first + second;
                chosen = &part;
            }
        }
        // A part drawn as a known drawing of its classes (獅's 犭) keeps its
        // strokes together, though some of them read better elsewhere.
        for (size_t k = 0; !chosen && k < parts.size(); ++k)
            if ((parts[k].first.size() > 1 && !templateOrder(parts[k].first, offset).empty())
                || (parts[k].second.size() > 1
                    && !templateOrder(parts[k].second, offset + int(parts[k].first.size())).empty()))
                chosen = &parts[k];
        if (chosen) {
            place(chosen->first, offset);
            place(chosen->second, offset + int(chosen->first.size()));
            return;
        }
        double total = 0;
        const std::vector<int> placed = higherFirst(assign(group, offset, true, &total), offset);
        for (size_t k = 0; k < placed.size(); ++k)
            order[size_t(offset) + k] = placed[k];
        cost += total;
    }
};

} // namespace

void StrokeTemplates::add(const QString& ch, const QString& classes, const std::vector<QPolygonF>& centreLines)
{
    if (qsizetype(centreLines.size()) != classes.size() || centreLines.size() < 2)
        return;
    std::vector<Drawing>& drawings = byClasses_[classes];
    if (drawings.size() >= size_t(PerClasses))
        return;
    QRectF frame;
    for (const QPolygonF& line : centreLines)
        frame = frame.isNull() ? line.boundingRect() : frame.united(line.boundingRect());
    Drawing d{ch, {}};
    for (const QPolygonF& line : centreLines)
        d.lines.push_back(sampledInFrame(line, frame));
    drawings.push_back(std::move(d));
}

const std::vector<StrokeTemplates::Drawing>* StrokeTemplates::withClasses(const QString& classes) const
{
    const auto it = byClasses_.constFind(classes);
    return it == byClasses_.constEnd() ? nullptr : &*it;
}

QPolygonF writtenAs(const QPolygonF& centreLine, char strokeClass)
{
    if (centreLine.size() < 2)
        return centreLine;
    const QPointF a = centreLine.first(), b = centreLine.last();
    const QPointF v = b - a;
    const double slope = std::atan2(std::abs(v.y()), std::abs(v.x())) * 180 / 3.14159265358979323846;
    bool reverse = false;
    if (slope < FlatSlope)
        reverse = v.x() < 0; // from the left
    else if (slope > SteepSlope)
        reverse = v.y() < 0; // from the top
    else if (v.x() * v.y() < 0) // rising to the right: a 提 from the bottom, a 撇 from the top
        reverse = strokeClass == '1' ? v.y() > 0 : v.y() < 0;
    else
        reverse = v.y() < 0; // falling to the right: from the top-left
    if (!reverse)
        return centreLine;
    return QPolygonF(centreLine.rbegin(), centreLine.rend());
}

std::vector<int> cheapestAssignment(const std::vector<std::vector<double>>& cost)
{
    // The Hungarian method with potentials, rows and columns 1-based inside.
    const size_t n = cost.size();
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> u(n + 1, 0), v(n + 1, 0);
    std::vector<size_t> p(n + 1, 0), way(n + 1, 0);
    for (size_t i = 1; i <= n; ++i) {
        p[0] = i;
        size_t j0 = 0;
        std::vector<double> minv(n + 1, inf);
        std::vector<bool> used(n + 1, false);
        do {
            used[j0] = true;
            const size_t i0 = p[j0];
            double delta = inf;
            size_t j1 = 0;
            for (size_t j = 1; j <= n; ++j) {
                if (used[j])
                    continue;
                const double cur = cost[i0 - 1][j - 1] - u[i0] - v[j];
                if (cur < minv[j]) {
                    minv[j] = cur;
                    way[j] = j0;
                }
                if (minv[j] < delta) {
                    delta = minv[j];
                    j1 = j;
                }
            }
            for (size_t j = 0; j <= n; ++j) {
                if (used[j]) {
                    u[p[j]] += delta;
                    v[j] -= delta;
                } else {
                    minv[j] -= delta;
                }
            }
            j0 = j1;
        } while (p[j0] != 0);
        do {
            const size_t j1 = way[j0];
            p[j0] = p[j1];
            j0 = j1;
        } while (j0 != 0);
    }
    std::vector<int> column(n, 0);
    for (size_t j = 1; j <= n; ++j)
        if (p[j] > 0)
            column[p[j] - 1] = int(j - 1);
    return column;
}

bool orderStrokes(const std::vector<ExtractedStroke>& strokes, const QString& classes, OrderedStrokes& out,
                  const StrokeTemplates* templates, const QString& self)
{
    if (strokes.empty() || qsizetype(strokes.size()) != classes.size())
        return false;
    std::vector<Piece> pieces;
    for (const ExtractedStroke& s : strokes) {
        Piece piece{s.outline.boundingRect(), s.centreLine, {}};
        for (char c = '1'; c <= '5'; ++c)
            piece.cost[size_t(c - '1')] = readingCost(s.centreLine, c);
        pieces.push_back(piece);
    }
    for (QChar c : classes)
        if (c < u'1' || c > u'5')
            return false;
    Orderer orderer{pieces, classes, templates, self, std::vector<int>(strokes.size()), 0};
    std::vector<int> all(strokes.size());
    std::iota(all.begin(), all.end(), 0);
    orderer.place(all, 0);
    out = {};
    out.cost = orderer.cost;
    for (size_t k = 0; k < orderer.order.size(); ++k) {
        const ExtractedStroke& s = strokes[size_t(orderer.order[k])];
        QPainterPath path;
        path.addPolygon(s.outline);
        path.closeSubpath();
        path.setFillRule(Qt::WindingFill);
        out.strokes.outlines.push_back(path);
        out.strokes.medians.push_back(writtenAs(s.centreLine, char(classes[qsizetype(k)].unicode())));
    }
    return true;
}

}
