#include "tools/pictures/stroke_order.h"

#include <QLineF>
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumbrell::data {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double MergeAngle = 55;   // degrees: segments turning less run on as one
constexpr double CornerAngle = 75;  // degrees: a turn this sharp makes a 折
constexpr double NoiseShare = 0.06; // of the line's length: jitter of the data
constexpr double LeadShare = 0.15;  // a short lead-in is not a part of the stroke
constexpr double HookShare = 0.22;  // a short last part is a hook
// How far the classes read off the drawing must improve (log-likelihood) before
// its order is taken over the stroke-order source's.
constexpr double ReorderGain = 9.0;
constexpr int LongestRun = 8; // strokes in a run that may move past the next

double angleBetween(const QPointF& a, const QPointF& b)
{
    const double cosine = (a.x() * b.x() + a.y() * b.y()) / (std::hypot(a.x(), a.y()) * std::hypot(b.x(), b.y()));
    return std::acos(std::clamp(cosine, -1.0, 1.0)) * 180 / Pi;
}

double lengthOf(const QPointF& v) { return std::hypot(v.x(), v.y()); }

// Direction classes of a straight stroke, y pointing down.
char directionClass(const QPointF& v)
{
    const double angle = std::atan2(v.y(), v.x()) * 180 / Pi;
    if (angle >= -90 && angle <= 25)
        return '1';
    if (angle > 25 && angle < 65)
        return '4';
    if (angle >= 65 && angle <= 110)
        return '2';
    return '3';
}

// log P(read as column | written as row), measured over the GB2312 characters
// whose two stroke orders agree.
constexpr double ReadingOdds[5][5] = {
    {-0.0, -6.6, -7.5, -8.2, -5.0},
    {-6.3, -0.0, -7.7, -4.6, -3.7},
    {-7.0, -1.7, -0.3, -7.4, -2.8},
    {-2.9, -2.6, -4.9, -0.1, -7.1},
    {-4.2, -2.2, -3.9, -2.7, -0.2},
};

double likelihood(const QString& written, const QString& read)
{
    double sum = 0;
    for (qsizetype i = 0; i < written.size(); ++i)
        sum += ReadingOdds[written[i].unicode() - u'1'][read[i].unicode() - u'1'];
    return sum;
}

bool wellFormed(const QString& classes)
{
    return std::all_of(classes.begin(), classes.end(), [](QChar c) { return c >= u'1' && c <= u'5'; });
}

// What the drawing's centre lines read as, one class per stroke.
QString readClasses(const std::vector<QPolygonF>& centreLines)
{
    QString read;
    for (const QPolygonF& line : centreLines)
        read += QLatin1Char(strokeClassOfLine(line));
    return read;
}

// The distinct candidates, the likeliest to be read as `read` first (ties in
// the order given), at most count of them.
std::vector<QString> likeliest(std::vector<QString> candidates, const QString& read, int count)
{
    std::vector<std::pair<double, QString>> scored;
    for (QString& c : candidates)
        if (std::none_of(scored.begin(), scored.end(), [&c](const auto& s) { return s.second == c; }))
            scored.push_back({likelihood(c, read), std::move(c)});
    std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<QString> best;
    for (auto& [score, c] : scored)
        if (int(best.size()) < count)
            best.push_back(std::move(c));
    return best;
}

} // namespace

double readingLogOdds(char written, char read)
{
    if (written < '1' || written > '5' || read < '1' || read > '5')
        return ReadingOdds[0][4];
    return ReadingOdds[written - '1'][read - '1'];
}

char strokeClassOfLine(const QPolygonF& centreLine)
{
    std::vector<QPointF> parts;
    double total = 0;
    for (qsizetype i = 1; i < centreLine.size(); ++i) {
        const QPointF v = centreLine[i] - centreLine[i - 1];
        if (lengthOf(v) > 0) {
            parts.push_back(v);
            total += lengthOf(v);
        }
    }
    if (parts.empty())
        return '4'; // a point is a dot
    std::vector<QPointF> kept;
    for (const QPointF& v : parts)
        if (lengthOf(v) >= NoiseShare * total)
            kept.push_back(v);
    if (kept.empty())
        kept = parts;
    std::vector<QPointF> runs;
    for (const QPointF& v : kept) {
        if (!runs.empty() && angleBetween(runs.back(), v) < MergeAngle)
            runs.back() += v;
        else
            runs.push_back(v);
    }
    while (runs.size() > 1 && lengthOf(runs.front()) < LeadShare * total)
        runs.erase(runs.begin());
    bool hooked = false;
    while (runs.size() > 1 && lengthOf(runs.back()) < HookShare * total) {
        runs.pop_back();
        hooked = true;
    }
    QPointF chord;
    for (size_t i = 0; i < runs.size(); ++i) {
        if (i > 0 && angleBetween(runs[i - 1], runs[i]) > CornerAngle)
            return '5';
        chord += runs[i];
    }
    const char c = directionClass(chord);
    return hooked && (c == '1' || c == '4') ? '5' : c;
}

std::vector<int> strokesInDrawing(const QString& classes, const std::vector<QPolygonF>& centreLines)
{
    const qsizetype n = classes.size();
    std::vector<int> place(static_cast<size_t>(n));
    std::iota(place.begin(), place.end(), 0);
    if (n != qsizetype(centreLines.size()) || !wellFormed(classes))
        return place;
    const QString read = readClasses(centreLines);
    double bestScore = likelihood(classes, read) + ReorderGain;
    // Each run of a strokes at i drawn after the b strokes that follow it.
    for (qsizetype i = 0; i < n; ++i)
        for (qsizetype a = 1; a <= LongestRun; ++a)
            for (qsizetype b = 1; b <= LongestRun && i + a + b <= n; ++b) {
                const QString drawn = classes.left(i) + classes.mid(i + a, b) + classes.mid(i, a) + classes.mid(i + a + b);
                const double score = likelihood(drawn, read);
                if (score <= bestScore + 1e-9)
                    continue;
                bestScore = score;
                std::iota(place.begin(), place.end(), 0);
                for (qsizetype k = i; k < i + a; ++k)
                    place[size_t(k)] = int(k + b);
                for (qsizetype k = i + a; k < i + a + b; ++k)
                    place[size_t(k)] = int(k - a);
            }
    return place;
}

std::vector<QString> classesWithMissingStroke(const QString& classes, const std::vector<QPolygonF>& centreLines,
                                              int count)
{
    if (qsizetype(centreLines.size()) != classes.size() + 1 || !wellFormed(classes))
        return {};
    std::vector<QString> candidates;
    for (qsizetype at = 0; at <= classes.size(); ++at)
        for (char c = '1'; c <= '5'; ++c)
            candidates.push_back(classes.left(at) + QLatin1Char(c) + classes.mid(at));
    return likeliest(std::move(candidates), readClasses(centreLines), count);
}

std::vector<QString> classesWithoutExtraStroke(const QString& classes, const std::vector<QPolygonF>& centreLines,
                                               int count)
{
    if (qsizetype(centreLines.size()) + 1 != classes.size() || centreLines.empty() || !wellFormed(classes))
        return {};
    std::vector<QString> candidates;
    for (qsizetype at = 0; at < classes.size(); ++at)
        candidates.push_back(classes.left(at) + classes.mid(at + 1));
    return likeliest(std::move(candidates), readClasses(centreLines), count);
}

std::vector<QString> classesReadOtherwise(const QString& classes, const std::vector<QPolygonF>& centreLines)
{
    std::vector<QString> variants;
    if (classes.size() != qsizetype(centreLines.size()))
        return variants;
    for (qsizetype i = 0; i < classes.size(); ++i) {
        const QChar read = QLatin1Char(strokeClassOfLine(centreLines[size_t(i)]));
        if (read != classes[i]) {
            QString variant = classes;
            variant[i] = read;
            variants.push_back(variant);
        }
    }
    return variants;
}

}
