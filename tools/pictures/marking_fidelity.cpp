#include "tools/pictures/marking_fidelity.h"

#include "lookup/flood_fill.h"

namespace lumbrell::data {

MarkingScore measureMarking(const QImage& drawing, const std::vector<QPoint>& seeds, const QImage& componentMask)
{
    QImage canvas = drawing.convertToFormat(QImage::Format_RGB32);
    for (const QPoint& seed : seeds)
        lumbrell::floodFillSurface(canvas, seed, qRgb(0, 0, 0));
    MarkingScore score;
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        const uchar* mask = componentMask.constScanLine(y);
        for (int x = 0; x < canvas.width(); ++x) {
            const bool black = (line[x] & 0xFFFFFF) == 0;
            const bool inside = mask[x] != 0;
            score.componentPixels += inside;
            score.blackened += black;
            score.blackenedInside += black && inside;
        }
    }
    return score;
}

}
