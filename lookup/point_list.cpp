#include "lookup/point_list.h"

#include "formats/fill_point_format.h"
#include "store/rounding.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lumbrell {

int readNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0.0;
    double scale = 0.0; // 0 while reading the whole part
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u' ')
            continue;
        if (c == u'.' && scale == 0.0) {
            scale = 0.1;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        const int digit = c.unicode() - u'0';
        anyDigit = true;
        if (scale == 0.0) {
            value = std::min(value * 10 + digit, 1e12); // far beyond 16 bits already
        } else {
            value += digit * scale;
            scale /= 10;
        }
    }
    if (!anyDigit)
        return 0;
    const long long rounded = roundHalfEven(negative ? -value : value);
    return static_cast<int>(std::clamp<long long>(rounded, std::numeric_limits<std::int16_t>::min(),
                                                  std::numeric_limits<std::int16_t>::max()));
}

QList<QPoint> parsePointList(QStringView info)
{
    qsizetype length = info.size();
    while (length > 0 && info[length - 1] == u' ')
        --length;
    const QStringView s = info.first(length);
    const long long groups = roundHalfEven(static_cast<double>(s.size()) / fillpoints::PointWidth);

    auto part = [&s](qsizetype from) {
        if (from >= s.size())
            return QStringView();
        return s.mid(from, std::min<qsizetype>(fillpoints::CoordinateWidth, s.size() - from));
    };
    QList<QPoint> points;
    for (long long i = 0; i < groups; ++i) {
        const qsizetype at = static_cast<qsizetype>(i) * fillpoints::PointWidth;
        points.append(QPoint(readNumber(part(at)), readNumber(part(at + fillpoints::CoordinateWidth))));
    }
    return points;
}

} // namespace lumbrell
