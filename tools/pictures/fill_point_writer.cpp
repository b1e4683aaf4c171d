#include "tools/pictures/fill_point_writer.h"

namespace lumbrell::data {

QByteArray formatFillPoints(const std::vector<QPoint>& pixels)
{
    QByteArray out;
    for (size_t i = 0; i < pixels.size() && i < size_t(fillpoints::MaxPoints); ++i)
        out += QByteArray::number(pixels[i].x() * TwipsPerPixel).rightJustified(fillpoints::CoordinateWidth, ' ')
            + QByteArray::number(pixels[i].y() * TwipsPerPixel).rightJustified(fillpoints::CoordinateWidth, ' ');
    return out;
}

}
