#include "tools/art/pictures.h"

#include <QPainter>
#include <QPolygon>

namespace lumbrell::art_tool {
namespace {

// The outline of a right hand pointing up with its index finger, the other
// fingers bent; the finger tip is the cursor's hot spot (5, 0).
const QPolygon HandOutline = {
    {4, 0},   {7, 0},   {8, 1},   {8, 8},                        // index finger
    {9, 7},   {11, 7},  {12, 8},                                 // middle finger
    {13, 9},  {15, 9},  {16, 10},                                // ring finger
    {17, 11}, {19, 11}, {20, 12},                                // little finger
    {20, 20}, {18, 24}, {17, 26}, {17, 28}, {7, 28}, {7, 26},    // side and wrist
    {4, 23},  {0, 17},  {0, 15},  {1, 14},  {2, 14},  {3, 15},   // thumb
    {3, 1},
};

QImage paintHand(bool maskOnly)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(maskOnly ? Qt::black : Qt::white);
    painter.drawPolygon(HandOutline);
    if (!maskOnly) {
        // Where the bent fingers meet.
        painter.drawLine(8, 9, 8, 13);
        painter.drawLine(12, 9, 12, 13);
        painter.drawLine(16, 11, 16, 14);
    }
    return image;
}

} // namespace

QImage drawHandShape() { return toOneBit(paintHand(false)); }

QImage drawHandMask() { return toOneBit(paintHand(true)); }

} // namespace lumbrell::art_tool
