#include "tools/art/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace lumbrell::art_tool {
namespace {

// The outline of a right hand pointing up with its index finger; the finger
// tip is the cursor's hot spot (5, 0).
QPainterPath handOutline()
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(3, 0, 5, 17), 2.5, 2.5);     // index finger
    hand.addRoundedRect(QRectF(8, 7, 5, 11), 2.5, 2.5);     // middle finger, bent
    hand.addRoundedRect(QRectF(13, 8, 5, 10), 2.5, 2.5);    // ring finger, bent
    hand.addRoundedRect(QRectF(18, 10, 4, 9), 2, 2);        // little finger, bent
    hand.addRoundedRect(QRectF(3, 14, 19, 14), 4, 4);       // palm
    QPainterPath thumb;
    thumb.moveTo(4, 23);
    thumb.lineTo(0, 16);
    thumb.lineTo(0, 13);
    thumb.lineTo(2, 13);
    thumb.lineTo(5, 18);
    thumb.closeSubpath();
    hand.addPath(thumb);
    return hand.simplified();
}

QImage paintHand(bool maskOnly)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPainterPath hand = handOutline();
    if (maskOnly) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::black);
        painter.drawPath(hand);
        return image;
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    // Creases between the bent fingers.
    painter.drawLine(8, 14, 8, 17);
    painter.drawLine(13, 14, 13, 17);
    painter.drawLine(18, 14, 18, 17);
    return image;
}

} // namespace

QImage drawHandShape() { return toOneBit(paintHand(false)); }

QImage drawHandMask() { return toOneBit(paintHand(true)); }

} // namespace lumbrell::art_tool
