#include "tools/pictures/polyline.h"

#include <QLineF>
#include <algorithm>

namespace lumbrell::data {

std::vector<QPointF> evenlyAlong(const std::vector<QPointF>& chain, int count)
{
    std::vector<double> at(chain.size(), 0);
    for (size_t i = 1; i < chain.size(); ++i)
        at[i] = at[i - 1] + QLineF(chain[i - 1], chain[i]).length();
    std::vector<QPointF> out;
    out.reserve(size_t(count));
    size_t seg = 1;
    for (int k = 0; k < count; ++k) {
        const double target = at.back() * k / (count - 1);
        while (seg + 1 < chain.size() && at[seg] < target)
            ++seg;
        const double span = at[seg] - at[seg - 1];
        const double t = span > 0 ? std::clamp((target - at[seg - 1]) / span, 0.0, 1.0) : 0.0;
        out.push_back(chain[seg - 1] + (chain[seg] - chain[seg - 1]) * t);
    }
    return out;
}

QRectF squaredFrame(const QRectF& box)
{
    const double w = std::max({box.width(), box.height() * 0.25, 1.0});
    const double h = std::max({box.height(), box.width() * 0.25, 1.0});
    return QRectF(box.center().x() - w / 2, box.center().y() - h / 2, w, h);
}

}
