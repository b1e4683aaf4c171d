#include "tools/art/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lumbrell::art_tool {
namespace {

const QColor DarkBlue(0, 24, 96);
const QColor Skin(226, 178, 140);

// Rows of keys seen from above and slightly in front.
void drawKeyboard(QPainter& painter)
{
    painter.fillRect(QRect(0, 0, 140, 72), QColor(40, 40, 48));
    painter.setPen(QColor(20, 20, 24));
    for (int row = 0; row < 5; ++row) {
        const int top = 6 + row * 13;
        const int shift = row * 4 - 8;
        for (int key = 0; key < 12; ++key) {
            const QRect cap(shift + key * 12, top, 11, 11);
            painter.setBrush(QColor(215, 215, 210).darker(100 + row * 6));
            painter.drawRoundedRect(cap, 2, 2);
        }
    }
}

// A hand resting on the keys: the back of the hand and four fingers.
void drawHand(QPainter& painter, QPointF wrist, qreal lean)
{
    painter.save();
    painter.translate(wrist);
    painter.rotate(lean);
    painter.setPen(QPen(Skin.darker(130), 1));
    painter.setBrush(Skin);
    for (int finger = 0; finger < 4; ++finger)
        painter.drawRoundedRect(QRectF(-17 + finger * 9, -44 + (finger == 0 || finger == 3 ? 6 : 0), 8, 26), 4, 4);
    painter.drawEllipse(QRectF(-20, -26, 40, 30));
    painter.drawRoundedRect(QRectF(17, -20, 8, 18), 4, 4); // thumb
    painter.restore();
}

} // namespace

QImage drawBanner(int scale)
{
    const QRect area(0, 0, 407, 72);
    QImage image = scaledCanvas(area.size(), scale);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ground(0, 0, 407, 0);
    ground.setColorAt(0, DarkBlue.lighter(160));
    ground.setColorAt(1, DarkBlue);
    painter.fillRect(area, ground);

    drawKeyboard(painter);
    drawHand(painter, QPointF(40, 80), -12);
    drawHand(painter, QPointF(100, 82), 10);
    // The photograph fades into the blue ground.
    QLinearGradient fade(120, 0, 150, 0);
    fade.setColorAt(0, QColor(0, 24, 96, 0));
    fade.setColorAt(1, DarkBlue.lighter(150));
    painter.fillRect(QRect(120, 0, 30, 72), fade);

    QFont name(QStringLiteral("DejaVu Serif"));
    name.setPixelSize(44);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(QRect(150, 0, 257, 72), Qt::AlignCenter, QStringLiteral("Lumbrell"));
    return image;
}

} // namespace lumbrell::art_tool
