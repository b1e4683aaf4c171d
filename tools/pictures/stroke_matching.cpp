#include "tools/pictures/stroke_matching.h"

#include "tools/pictures/stroke_order.h"

#include <QRectF>
#include <algorithm>
#include <limits>
#include <numeric>

namespace lumbrell::data {
namespace {

constexpr double PartOverlap = 20.0; // units two parts' boxes may overlap and still stand apart
constexpr double CutSlack = 1.0;     // how much worse a cut into parts may read than the best reading
constexpr double RankWeight = 0.8;   // cost of one place off the top-left-first order
constexpr double TopLeftLean = 0.5;  // how much a stroke's left edge counts against its top edge

struct Piece {
    QRectF box;
    std::array<double, 5> cost; // by class: how badly the centre line reads as it
};

double readingCost(const QPolygonF& line, char strokeClass)
{
    return -readingLogOdds(strokeClass, strokeClassOfLine(writtenAs(line, strokeClass)));
}

struct Orderer {
    const std::vector<Piece>& pieces;
    const QString& classes;
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

    // The ways to split a group into a first and a second part standing apart.
    std::vector<std::pair<std::vector<int>, std::vector<int>>> cuts(const std::vector<int>& group) const
    {
        std::vector<std::pair<std::vector<int>, std::vector<int>>> out;
        for (const bool across : {true, false}) {
            auto low = [&](int p) { return across ? pieces[size_t(p)].box.left() : pieces[size_t(p)].box.top(); };
            auto high = [&](int p) { return across ? pieces[size_t(p)].box.right() : pieces[size_t(p)].box.bottom(); };
            std::vector<int> sorted(group);
            std::sort(sorted.begin(), sorted.end(), [&](int a, int b) { return low(a) < low(b); });
            double reach = -std::numeric_limits<double>::infinity();
            for (size_t k = 1; k < sorted.size(); ++k) {
                reach = std::max(reach, high(sorted[k - 1]));
                double rest = std::numeric_limits<double>::infinity();
                for (size_t j = k; j < sorted.size(); ++j)
                    rest = std::min(rest, low(sorted[j]));
                if (reach <= rest + PartOverlap)
                    out.push_back({std::vector<int>(sorted.begin(), sorted.begin() + long(k)),
                                   std::vector<int>(sorted.begin() + long(k), sorted.end())});
            }
        }
        return out;
    }

    void place(const std::vector<int>& group, int offset)
    {
        if (group.size() == 1) {
            order[size_t(offset)] = group.front();
            cost += classCost(group.front(), offset);
            return;
        }
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
        if (chosen) {
            place(chosen->first, offset);
            place(chosen->second, offset + int(chosen->first.size()));
            return;
        }
        double total = 0;
        const std::vector<int> placed = assign(group, offset, true, &total);
        for (size_t k = 0; k < placed.size(); ++k)
            order[size_t(offset) + k] = placed[k];
        cost += total;
    }
};

} // namespace

QPolygonF writtenAs(const QPolygonF& centreLine, char strokeClass)
{
    if (centreLine.size() < 2)
        return centreLine;
    const QPointF a = centreLine.first(), b = centreLine.last();
    bool reverse = false;
    if (strokeClass == '1')
        reverse = b.x() < a.x();
    else if (strokeClass == '5')
        reverse = b.x() + b.y() < a.x() + a.y();
    else
        reverse = b.y() < a.y();
    if (!reverse)
        return centreLine;
    QPolygonF turned(centreLine.rbegin(), centreLine.rend());
    return turned;
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

bool orderStrokes(const std::vector<ExtractedStroke>& strokes, const QString& classes, OrderedStrokes& out)
{
    if (strokes.empty() || qsizetype(strokes.size()) != classes.size())
        return false;
    std::vector<Piece> pieces;
    for (const ExtractedStroke& s : strokes) {
        Piece piece{s.outline.boundingRect(), {}};
        for (char c = '1'; c <= '5'; ++c)
            piece.cost[size_t(c - '1')] = readingCost(s.centreLine, c);
        pieces.push_back(piece);
    }
    for (QChar c : classes)
        if (c < u'1' || c > u'5')
            return false;
    Orderer orderer{pieces, classes, std::vector<int>(strokes.size()), 0};
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
