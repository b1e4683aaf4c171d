#include "tools/pictures/fill_points.h"

namespace lumbrell::data {

QByteArray formatFillPoints(const std::vector<QPoint>& pixels)
{
    QByteArray out;
    for (size_t i = 0; i < pixels.size() && i < 9; ++i)
        out += QByteArray::number(pixels[i].x() * TwipsPerPixel).rightJustified(4, ' ')
            + QByteArray::number(pixels[i].y() * TwipsPerPixel).rightJustified(4, ' ');
    return out;
}

}
